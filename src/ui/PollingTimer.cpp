#include "ui/PollingTimer.h"

#include "link/NumberText.h"
#include "ui/FunctionWindow.h"
#include "ui/ReadingMarks.h"

#include <QLabel>

namespace vk220::ui {

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
    window.Actions().ActIfIdle([this] { Read(); });
}

void PollingTimer::Read() {
    QLabel &sampleIndicator = marks.SampleLab();
    sampleIndicator.show();
    sampleIndicator.repaint();
    const QString reply = window.Sender().ReadMeasurement();
    answered = !reply.isEmpty();
    const std::optional<double> read = link::NumberText::FindLeadingNumber(reply);
    numbered = read.has_value();
    const double counts = read.value_or(0.0);
    // Unloaded during the wait (the program is ending): the window shows nothing more.
    if (window.IsUnloaded())
        return;
    cycle(counts);
    marks.ShowAnswered(answered);
    sampleIndicator.hide();
    sampleIndicator.repaint();
    if (window.Actions().ClosePending())
        window.Unload();
}

} // namespace vk220::ui
