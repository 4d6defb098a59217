#include "RecordingMessageBoxes.h"

#include <QTest>

MessageBoxes::Answer RecordingMessageBoxes::Show(Icon icon, Buttons buttons, const QString &title,
                                                 const QString &text) {
    shown.append({icon, buttons, title, text});
    if (whileShown)
        whileShown();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
}

char *toString(const RecordingMessageBoxes::Box &box) {
    static const char *icons[] = {"Information", "Exclamation", "Question"};
    const QString text =
        QStringLiteral("%1 %2 \"%3\" \"%4\"")
            .arg(QLatin1String(icons[static_cast<int>(box.icon)]),
                 box.buttons == MessageBoxes::Buttons::Ok ? QStringLiteral("Ok")
                                                          : QStringLiteral("YesNo"),
                 box.title, QString(box.text).replace(QLatin1Char('\r'), QLatin1String("\\r")));
    return qstrdup(text.toUtf8().constData());
}
