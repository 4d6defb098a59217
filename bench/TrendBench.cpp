// A day of polling at 2 Hz (172,800 readings) in a polling window's trend: how long one redraw
// takes (chart, thinning and statistics over all readings, painted offscreen), and how much
// memory the history and the trend window hold at that size.
#include "bench/BenchSupport.h"

#include "link/Reading.h"
#include "tests/support/FindControl.h"
#include "ui/TrendChart.h"
#include "ui/TrendWindow.h"
#include "ui/logic/ReadingHistory.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cmath>

using namespace vk220::link;
using namespace vk220::ui;

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const long before = Bench::ResidentKb();

    constexpr int Readings = 172800;
    ReadingHistory history;
    const ReadingHistory::Shown steady{QString(), QStringLiteral("30mA Range"),
                                       QStringLiteral("mA"), 3};
    for (int i = 0; i < Readings; ++i) {
        ReadingHistory::Shown shown = steady;
        // A slow drift, a little noise and now and then an over-range reading.
        shown.text = Reading::Fixed(20.0 + std::sin(i / 5000.0) + 0.01 * std::sin(i * 12.9898), 3,
                                    shown.unit);
        shown.overRange = i % 10007 == 0;
        history.Add(shown, i * 0.5);
    }
    TrendWindow trend(QStringLiteral("mA & mV MEASUREMENT"), history, nullptr);
    trend.show();
    QApplication::processEvents();

    QList<double> redraws;
    QList<double> refreshes;
    QElapsedTimer timer;
    for (int i = 0; i < 21; ++i) {
        timer.start();
        trend.Refresh();
        refreshes.append(timer.nsecsElapsed() / 1e6);
        Find<TrendChart>(&trend, "TrendChart")->viewport()->repaint();
        QApplication::processEvents();
        redraws.append(timer.nsecsElapsed() / 1e6);
    }
    const long after = Bench::ResidentKb();

    Bench::Report("trend redraw at 172,800 readings (median)", Bench::Median(redraws), "ms", 16);
    Bench::Report("  of which thinning, statistics, axes (median)", Bench::Median(refreshes), "ms",
                  0);
    Bench::Report("points drawn", Find<TrendChart>(&trend, "TrendChart")->PointCount(), "", 0);
    Bench::Report("history bytes per reading",
                  static_cast<double>(history.MemoryBytes()) / Readings, "B", 0);
    Bench::Report("history + trend window, resident", (after - before) / 1024.0, "MB", 20);
    return 0;
}
