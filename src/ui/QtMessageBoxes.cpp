#include "ui/QtMessageBoxes.h"

#include <QMessageBox>

namespace vk220::ui {

MessageBoxes::Answer QtMessageBoxes::Show(Icon icon, Buttons buttons, const QString &title,
                                          const QString &text) {
    const QMessageBox::Icon qtIcon = icon == Icon::Information   ? QMessageBox::Information
                                     : icon == Icon::Exclamation ? QMessageBox::Warning
                                                                 : QMessageBox::Question;
    const auto qtButtons = buttons == Buttons::Ok ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                  : QMessageBox::Yes | QMessageBox::No;
    // The texts use carriage returns as line breaks; a plain-text label breaks on line feeds.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(qtIcon, title, shown, qtButtons, parent);
    box.setTextFormat(Qt::PlainText);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace vk220::ui
