#pragma once

#include "ui/logic/MessageBoxes.h"

#include <QList>

#include <functional>

// Answers every message box and remembers it, so that tests assert icon, buttons, title and
// text. A box is answered at once, or after `holdMs` on screen while events are serviced, as a
// modal box services them; `deepest` tells whether a second box came up while one was showing.
class RecordingMessageBoxes final : public vk220::ui::MessageBoxes {
public:
    struct Box {
        Icon icon;
        Buttons buttons;
        QString title;
        QString text;
        bool operator==(const Box &other) const = default;
    };

    QList<Box> shown;
    // Answer to the next question boxes, in order; Yes when none is queued.
    QList<Answer> answers;
    // Runs while a box is "on screen", before it is answered.
    std::function<void()> whileShown;
    // How long each box stays on screen; 0 answers it at once.
    int holdMs = 0;
    // The most boxes on screen at one time so far.
    int deepest = 0;

    Answer Show(Icon icon, Buttons buttons, const QString &title, const QString &text) override;

    static Box Information(const QString &title, const QString &text) {
        return {Icon::Information, Buttons::Ok, title, text};
    }
    static Box Exclamation(const QString &title, const QString &text) {
        return {Icon::Exclamation, Buttons::Ok, title, text};
    }
    static Box Question(const QString &title, const QString &text) {
        return {Icon::Question, Buttons::YesNo, title, text};
    }

private:
    int depth = 0;
};

char *toString(const RecordingMessageBoxes::Box &box);
