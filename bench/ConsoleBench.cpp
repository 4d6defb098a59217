// The console with 1,000,000 entries: append time early and late (constant time), memory per
// entry, and how long the shown list takes to select and show its last entry.
#include "BenchSupport.h"

#include "ConsoleModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QListView view;
    auto *model = new ConsoleModel(&view);
    view.setUniformItemSizes(true);
    view.setLayoutMode(QListView::Batched);
    view.setModel(model);
    view.resize(300, 600);
    view.show();
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
            model->Append(QStringLiteral("p16777216"));
            model->Append(QStringLiteral("*0\r\n"));
        }
        const double perEntry = timer.nsecsElapsed() / 1e9 / Batch;
        if (i == 0)
            first = perEntry;
        last = perEntry;
    }
    QApplication::processEvents();
    const long after = Bench::ResidentKb();

    timer.start();
    const QModelIndex end = model->index(model->Count() - 1);
    view.setCurrentIndex(end);
    view.scrollTo(end);
    view.repaint();
    QApplication::processEvents();
    const double select = timer.nsecsElapsed() / 1e9;

    Bench::Report("console append, first 10,000 (per entry)", first * 1e6, "us", 0);
    Bench::Report("console append, last 10,000 (per entry)", last * 1e6, "us", 0);
    Bench::Report("console append, late/early ratio", last / first, "", 0);
    Bench::Report("console memory per entry", (after - before) * 1024.0 / Total, "B", 200);
    Bench::Report("select and show the last of 1,000,000", select, "s", 0.1);
    return 0;
}
