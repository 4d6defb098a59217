#include "tests/support/RecordingMessageBoxes.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace vk220::ui;

MessageBoxes::Answer RecordingMessageBoxes::Show(Icon icon, Buttons buttons, const QString &title,
                                                 const QString &text) {
    shown.append({icon, buttons, title, text});
    deepest = std::max(deepest, ++depth);
    if (holdMs > 0) {
        // A nested event loop, as a modal box runs: it services timers and clicks, and leaves
        // deletions asked for outside it until control is back there.
        QEventLoop loop;
        QTimer::singleShot(holdMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (whileShown)
        whileShown();
    --depth;
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
