#include "app/ConsoleModel.h"
#include "app/ConsolePanel.h"
#include "app/MainForm.h"
#include "functions/continuity/ContForm.h"
#include "functions/insulation/InsForm.h"
#include "functions/measurement/DMMForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/FunctionRig.h"
#include "ui/PollingTimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTabBar>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

using namespace vk220::app;
using namespace vk220::continuity;
using namespace vk220::insulation;
using namespace vk220::measurement;
using namespace vk220::ui;

namespace {

// 24 hours of 500 ms ticks, shown console or not: what a tick costs does not grow with the
// entries the console holds.
constexpr int DayTicks = 24 * 60 * 60 * 2;
constexpr int HourTicks = 60 * 60 * 2;
// What polling may take of a CPU: 2 %.
constexpr double CpuBudget = 0.02;
// AddressSanitizer keeps freed memory in quarantine, so resident memory says nothing there: the
// sanitized build polls for faults only.
#ifdef __SANITIZE_ADDRESS__
constexpr bool MeasuresMemory = false;
#else
constexpr bool MeasuresMemory = true;
#endif
// Before the measured run, so that caches filled by the first readings are not counted.
constexpr int WarmUpTicks = 1000;
// What a day may add besides the console's entries and the window's reading history: allocator
// noise, nothing else per tick.
constexpr qint64 SlackBytes = 2 << 20;
// What one reading may cost in the window's history (for its trend and statistics): 24 bytes, and
// a little for the pages it touches.
constexpr qint64 BytesPerReading = 28;
// What one console entry may cost while the console is shown: its text ("v" or a reading of a
// dozen characters), its offset, and the room its buffers keep for growing.
constexpr qint64 BytesPerEntry = 48;

// CPU time (user and system) the process has used, in seconds.
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// Delivers `count` ticks from a running event loop, as the window's timer does, 500 ms apart on
// the virtual clock. Each is posted when the one before has ended, so none is skipped as busy.
// Returns how many reading requests were sent.
int Poll(FunctionRig &rig, PollingTimer &timer, int count) {
    QEventLoop loop;
    int done = 0;
    int readings = 0;
    std::function<void()> tick = [&] {
        const double started = rig.clock.Now();
        timer.Tick();
        rig.clock.Advance(0.5 - (rig.clock.Now() - started));
        // The rig's record of written lines would grow by itself: it is counted and emptied.
        readings += static_cast<int>(rig.TakeWritten().count(QStringLiteral("v")));
        if (++done < count)
            QMetaObject::invokeMethod(&loop, tick, Qt::QueuedConnection);
        else
            loop.quit();
    };
    QMetaObject::invokeMethod(&loop, tick, Qt::QueuedConnection);
    loop.exec();
    return readings;
}

} // namespace

// A day of polling through the real main window and each polling window on the fake port: the
// resident memory stays flat, apart from the console's two entries an exchange while it is shown
// and the reading kept for the window's trend.
class PollingSoakTest : public QObject {
    Q_OBJECT
private slots:
    void ADayOfPollingKeepsMemoryFlat_data();
    void ADayOfPollingKeepsMemoryFlat();
};

void PollingSoakTest::ADayOfPollingKeepsMemoryFlat_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("console");
    const struct {
        const char *name;
        QString code;
        QString title;
    } windows[] = {// the insulation window on its test-voltage page, continuity on 1 Ω
                   {"insulation", "INS", InsForm::Title},
                   {"continuity", "CONT", ContForm::Title},
                   {"measurement", "DMM", DMMForm::Title}};
    for (const auto &window : windows) {
        QTest::addRow("%s, console hidden", window.name) << window.code << window.title << false;
        QTest::addRow("%s, console shown", window.name) << window.code << window.title << true;
    }
}

void PollingSoakTest::ADayOfPollingKeepsMemoryFlat() {
    QFETCH(QString, code);
    QFETCH(QString, title);
    QFETCH(bool, console);
    FunctionRig rig;
    // A reading that changes at every request, as a live one does.
    rig.port.responder = [n = 0](const QString &line) mutable {
        const QByteArray counts =
            line == QLatin1String("v")
                ? "+" + QByteArray::number(1.2345 + (n++ % 1000) * 1e-4, 'f', 4)
                : QByteArray();
        return QList<FakeSerialPort::Chunk>{{0.05, counts + FakeSerialPort::Marker}};
    };
    // Not shown, as in the other window tests: offscreen painting of the sample indicator, twice
    // a tick, would make a day take minutes.
    MainForm main(rig.state, rig.boxes);
    if (console)
        main.ToggleConsole();
    main.OpenFunction(FunctionRow(code));
    FunctionWindow *window = Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(title);
    QVERIFY(window);
    if (auto *insulation = qobject_cast<InsForm *>(window))
        Find<QTabBar>(insulation, "InsTab")->setCurrentIndex(1);
    auto *timer = window->findChild<PollingTimer *>();
    QVERIFY(timer);
    QVERIFY(timer->IsActive());
    // The test delivers every tick itself: the timer's own, on the wall clock, would add some.
    timer->Stop();
    ConsoleModel &entries = Find<ConsolePanel>(&main, "DebugPanel")->Model();
    const int ticks = DayTicks;

    QCOMPARE(Poll(rig, *timer, WarmUpTicks), WarmUpTicks);
    const int entriesBefore = entries.Count();
    const qint64 before = ResidentBytes();
    const double started = rig.clock.Now();
    QElapsedTimer wall;
    wall.start();
    // The first hour and the last are timed apart: a cost that grew with the console's entries
    // would show in the last.
    const double dayStarted = CpuSeconds();
    QCOMPARE(Poll(rig, *timer, HourTicks), HourTicks);
    const double firstHour = CpuSeconds() - dayStarted;
    QCOMPARE(Poll(rig, *timer, ticks - 2 * HourTicks), ticks - 2 * HourTicks);
    const double lastStarted = CpuSeconds();
    QCOMPARE(Poll(rig, *timer, HourTicks), HourTicks);
    const double lastHour = CpuSeconds() - lastStarted;
    const double day = CpuSeconds() - dayStarted;
    const qint64 after = ResidentBytes();
    const qint64 added = entries.Count() - entriesBefore;

    qInfo("%d ticks (%.1f h on the virtual clock) in %.1f s: resident %.1f MB before, %.1f MB "
          "after, %+.0f kB; %lld console entries added",
          ticks, (rig.clock.Now() - started) / 3600, wall.elapsed() / 1000.0, before / 1048576.0,
          after / 1048576.0, (after - before) / 1024.0, added);
    qInfo("CPU %.1f s in the day, %.3f s in its first hour, %.3f s in its last: %.4f, %.4f and "
          "%.4f of the budget (%.0f %% of a CPU)",
          day, firstHour, lastHour, day / (CpuBudget * ticks / 2), firstHour / (CpuBudget * 3600),
          lastHour / (CpuBudget * 3600), CpuBudget * 100);
    QCOMPARE(added, console ? 2 * qint64(ticks) : 0);
    QCOMPARE_LT(day, CpuBudget * ticks / 2);
    // Flat: the last hour may take twice the first and a little more, for the noise of a shared
    // machine, but not a cost that grows with the entries the console holds.
    QCOMPARE_LT(lastHour, 2 * firstHour + 0.05);
    QVERIFY(rig.boxes.shown.isEmpty());
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(title));
    if (MeasuresMemory) {
        QVERIFY(before > 0);
        QCOMPARE_LT(after - before,
                    SlackBytes + added * BytesPerEntry + qint64(ticks) * BytesPerReading);
    }
}

QTEST_MAIN(PollingSoakTest)
#include "PollingSoakTest.moc"
