#pragma once

#include "functions/terminal/logic/PanelStep.h"

namespace vk220::terminal {

// What the steps of a panel plan act on: the terminal window's controls, or a model of them. Each
// step kind has one handler; Apply dispatches a step to it, so every view carries out a plan by
// the same rules.
class PanelView {
public:
    virtual ~PanelView() = default;

    void Apply(const PanelStep &step);

protected:
    virtual void SendLine(const QString &line) = 0;
    virtual void ShowBox(const InformBox &box) = 0;
    virtual void ShowSelection(OutputPoint point, bool stopFlashing) = 0;
    virtual void ShowOutputOn(bool on) = 0;
    virtual void SetEntry(const QString &text) = 0;
    virtual void SetCalOutput(const QString &text) = 0;
    virtual void SetDisplay(const QString &text) = 0;
    virtual void SetFrequency(const QString &text) = 0;
    virtual void AddHistory(const QString &text) = 0;
    virtual void SetAutosetBox(bool enabled, const QString &caption) = 0;
    virtual void SetPlusMinusEnabled(bool enabled) = 0;
    virtual void SetEnterBold(bool bold) = 0;
    virtual void SetEnterEnabled(bool enabled) = 0;
    virtual void SetCoilSelectPending(bool pending) = 0;
    virtual void OfferCurrentPaths(const QList<int> &enabled, bool reselect) = 0;
};

} // namespace vk220::terminal
