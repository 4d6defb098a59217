#pragma once

#include <QString>

namespace vk220::ui {

// Every modal message box of the program goes through this service: the windows say which icon,
// buttons, title and text their rules call for; tests put a recorder here that answers each box.
class MessageBoxes {
public:
    enum class Icon { Information, Exclamation, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    virtual Answer Show(Icon icon, Buttons buttons, const QString &title, const QString &text) = 0;

    void Inform(const QString &title, const QString &text) {
        Show(Icon::Information, Buttons::Ok, title, text);
    }
    void Warn(const QString &title, const QString &text) {
        Show(Icon::Exclamation, Buttons::Ok, title, text);
    }
    bool Ask(const QString &title, const QString &text) {
        return Show(Icon::Question, Buttons::YesNo, title, text) == Answer::Yes;
    }
};

} // namespace vk220::ui
