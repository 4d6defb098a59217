// The console panel, as the main window has it, with 1,000,000 entries: append time early and late
// (constant time), memory per entry, how long the shown panel takes to select and show its last
// entry, and what one more exchange costs at that size (two entries, the newest selected and
// shown), and whether the newest entry was then on screen.
#include "BenchSupport.h"

#include "ConsoleModel.h"
#include "ConsolePanel.h"
#include "RecordingMessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    RecordingMessageBoxes boxes;
    ConsolePanel panel(boxes);
    ConsoleModel &model = panel.Model();
    panel.resize(300, 600);
    panel.show();
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
    panel.DebugList().repaint();
    QApplication::processEvents();
    const double select = timer.nsecsElapsed() / 1e9;

    QList<double> exchanges;
    int offScreen = 0;
    for (int i = 0; i < 21; ++i) {
        timer.start();
        panel.Append(QStringLiteral("v"));
        panel.Append(QStringLiteral("1.234*0\r\n"));
        panel.SelectLast();
        panel.DebugList().repaint();
        QApplication::processEvents();
        exchanges.append(timer.nsecsElapsed() / 1e9);
        QListView &list = panel.DebugList();
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
