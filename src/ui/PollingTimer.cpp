#include "PollingTimer.h"

#include "FunctionWindow.h"
#include "NumberText.h"
#include "ReadingMarks.h"

#include <QLabel>
#include <QRegularExpression>

namespace {

// Whether `reply` starts with a number as the leading-number parse reads one: blanks, tabs and
// line feeds aside, an optional sign and decimal point, then a digit.
bool HoldsNumber(const QString &reply) {
    QString text = reply;
    text.remove(QRegularExpression(QStringLiteral("[ \\t\\n]")));
    qsizetype at = 0;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        ++at;
    if (at < text.size() && text[at] == QLatin1Char('.'))
        ++at;
    return at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
}

} // namespace

PollingTimer::PollingTimer(const QString &name, FunctionWindow &window, ReadingMarks &marks,
                           Cycle cycle)
    : QObject(&window), window(window), marks(marks), cycle(std::move(cycle)) {
    setObjectName(name);
    timer.setInterval(IntervalMs);
    connect(&timer, &QTimer::timeout, this, &PollingTimer::Tick);
}

void PollingTimer::Start() {
    if (!window.IsUnloaded())
        timer.start();
}

void PollingTimer::Stop() {
    timer.stop();
}

void PollingTimer::Tick() {
    window.ActIfIdle([this] { Read(); });
}

void PollingTimer::Read() {
    QLabel &sampleIndicator = marks.SampleLab();
    sampleIndicator.show();
    sampleIndicator.repaint();
    const QString reply = window.ReadMeasurement();
    answered = !reply.isEmpty();
    numbered = HoldsNumber(reply);
    const double counts = NumberText::LeadingNumber(reply);
    // Unloaded during the wait (the program is ending): the window shows nothing more.
    if (window.IsUnloaded())
        return;
    cycle(counts);
    marks.ShowAnswered(answered);
    sampleIndicator.hide();
    sampleIndicator.repaint();
    if (window.ClosePending())
        window.Unload();
}
