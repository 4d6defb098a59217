#pragma once

#include "ui/PollingFunctionWindow.h"

class QFrame;
class QLabel;

namespace vk220::ui {
class ButtonArray;
class PollingTimer;
class ReadingMarks;
class ReadingTools;
} // namespace vk220::ui

namespace vk220::continuity {

// The continuity window: the adapter presents one of six resistances to a continuity tester, and
// on the 1 Ω setting the tester's current is read from the calibrator every 500 ms.
class ContForm final : public ui::PollingFunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("CONTINUITY RESISTANCE & CURRENT");

    explicit ContForm(ui::FunctionContext &context);

    // Switches the adapter to resistance `index`; the current is polled on 1 Ω only.
    void SelectResistance(int index);

protected:
    void OnLoad() override;

private:
    void BuildLayout();
    void SetCurrentDisplayVisible(bool visible);
    void ShowReading(double counts);

    ui::ButtonArray *contBut;
    QLabel *contLab;
    QLabel *contCurLab;
    QLabel *contCurLab2;
    QFrame *curLine1;
    QFrame *curLine2;
};

} // namespace vk220::continuity
