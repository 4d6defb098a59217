// The console panel, as the main window shows it.
//
// First what one shown exchange costs as the console fills: two entries appended, the newest
// selected and shown, the list laid out and painted again, in CPU time per entry, on an empty
// console and after a day of polling (172,800 exchanges, one every 500 ms), against the budget of
// 2 % of a CPU at one exchange every 500 ms.
//
// Then, at 1,000,000 entries: append time early and late (constant time), memory per entry, how
// long the shown panel takes to select and show its last entry, what one more exchange costs at
// that size, and whether the newest entry was then on screen.
#include "bench/BenchSupport.h"

#include "app/ConsoleModel.h"
#include "app/ConsolePanel.h"
#include "tests/support/FindControl.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>

using namespace vk220::app;

namespace {

constexpr int DayExchanges = 24 * 60 * 60 * 2;
// 2 % of a CPU at one exchange every 500 ms, shared by its two entries.
constexpr double BudgetPerEntry = 0.02 * 0.5 / 2;

// One exchange as the link writes it while the console is shown, then the event loop.
void Exchange(ConsolePanel &panel) {
    panel.Append(QStringLiteral("v"));
    panel.Append(QStringLiteral("1.234*0\r\n"));
    panel.SelectLast();
    Find<QListView>(&panel, "DebugList")->repaint();
    QApplication::processEvents();
}

// CPU seconds per entry over `count` shown exchanges.
double ShownCostPerEntry(ConsolePanel &panel, int count) {
    const double started = Bench::CpuSeconds();
    for (int i = 0; i < count; ++i)
        Exchange(panel);
    return (Bench::CpuSeconds() - started) / (2.0 * count);
}

// Appends exchanges without the event loop, up to `exchanges` in the console.
void FillTo(ConsoleModel &model, int exchanges) {
    while (model.Count() < 2 * exchanges) {
        model.Append(QStringLiteral("v"));
        model.Append(QStringLiteral("1.2345*0\r\n"));
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    RecordingMessageBoxes boxes;
    ConsolePanel panel(boxes);
    ConsoleModel &model = panel.Model();
    panel.resize(300, 600);
    panel.show();
    QApplication::processEvents();

    constexpr int Measured = 500;
    const double atStart = ShownCostPerEntry(panel, Measured);
    FillTo(model, DayExchanges - Measured);
    QApplication::processEvents();
    const double afterDay = ShownCostPerEntry(panel, Measured);
    Bench::Report("shown entry, first 500 exchanges (CPU)", atStart * 1e6, "us",
                  BudgetPerEntry * 1e6);
    Bench::Report("shown entry, after a day of exchanges (CPU)", afterDay * 1e6, "us",
                  BudgetPerEntry * 1e6);
    Bench::Report("shown entry, day/start ratio", afterDay / atStart, "", 0);

    model.Clear();
    QApplication::processEvents();
    constexpr int Total = 1000000;
    constexpr int Batch = 10000;
    const long before = Bench::ResidentKb();
    QElapsedTimer timer;
    double first = 0;
    double last = 0;
    for (int i = 0; i < Total; i += Batch) {
        timer.start();
        for (int j = 0; j < Batch; j += 2) {
            model.Append(QStringLiteral("p16777216"));
            model.Append(QStringLiteral("*0\r\n"));
        }
        const double perEntry = timer.nsecsElapsed() / 1e9 / Batch;
        if (i == 0)
            first = perEntry;
        last = perEntry;
    }
    QApplication::processEvents();
    const long after = Bench::ResidentKb();

    timer.start();
    panel.SelectLast();
    Find<QListView>(&panel, "DebugList")->repaint();
    QApplication::processEvents();
    const double select = timer.nsecsElapsed() / 1e9;

    QList<double> exchanges;
    int offScreen = 0;
    for (int i = 0; i < 21; ++i) {
        timer.start();
        Exchange(panel);
        exchanges.append(timer.nsecsElapsed() / 1e9);
        QListView &list = *Find<QListView>(&panel, "DebugList");
        offScreen +=
            !list.visualRect(model.index(model.Count() - 1)).intersects(list.viewport()->rect());
    }

    Bench::Report("console append, first 10,000 (per entry)", first * 1e6, "us", 0);
    Bench::Report("console append, last 10,000 (per entry)", last * 1e6, "us", 0);
    Bench::Report("console append, late/early ratio", last / first, "", 0);
    Bench::Report("console memory per entry", (after - before) * 1024.0 / Total, "B", 200);
    Bench::Report("select and show the last of 1,000,000", select, "s", 0.1);
    Bench::Report("one exchange shown at 1,000,000 (median)", Bench::Median(exchanges), "s", 0.1);
    Bench::Report("exchanges whose newest entry was off screen", offScreen, "", 0);
    return 0;
}
