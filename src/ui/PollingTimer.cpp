#include "PollingTimer.h"

#include "FunctionWindow.h"
#include "NumberText.h"

PollingTimer::PollingTimer(const QString &name, FunctionWindow &window, QWidget &sampleIndicator,
                           Cycle cycle)
    : QObject(&window), window(window), sampleIndicator(sampleIndicator), cycle(std::move(cycle)) {
    setObjectName(name);
    timer.setInterval(IntervalMs);
    connect(&timer, &QTimer::timeout, this, &PollingTimer::Tick);
}

void PollingTimer::Stop() {
    timer.stop();
    stale = reading;
}

void PollingTimer::Tick() {
    if (reading || window.IsUnloaded())
        return;
    reading = true;
    stale = false;
    sampleIndicator.show();
    sampleIndicator.repaint();
    const double counts = NumberText::LeadingNumber(window.ReadMeasurement());
    if (!stale)
        cycle(counts);
    sampleIndicator.hide();
    sampleIndicator.repaint();
    reading = false;
    if (window.ClosePending())
        window.Unload();
}
