// Loading a procedure of 200 test points: the YAML read, every point checked, the panel's tables
// included (the terminal points through the terminal window's own planner), as a run does before
// anything is sent.
#include "bench/BenchSupport.h"

#include "procedures/ProcedureReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>

using namespace vk220::procedures;

namespace {

// One point of each function, taken in turn.
const std::array<const char *, 8> Kinds{
    "  - function: insulation resistance\n    nominal: 100 MΩ\n"
    "    tolerance: ±(2 % of reading + 3 digits)\n    resolution: 0.1 MΩ\n"
    "    result: UUT indicates\n",
    "  - function: test voltage\n    nominal: 500 V\n    tolerance: ±(3 % of reading + 2 V)\n"
    "    result: panel measures\n    readings: 10\n",
    "  - function: continuity resistance\n    nominal: 10 Ω\n    tolerance: ±(1.5 % + 3 digits)\n"
    "    resolution: 0.01 Ω\n    result: UUT indicates\n",
    "  - function: continuity current\n    nominal: 200 mA\n    tolerance: ±10 %\n"
    "    result: panel measures\n    readings: 5\n",
    "  - function: tachometer\n    nominal: 6000 RPM\n    tolerance: ±(0.05 % + 1 digit)\n"
    "    resolution: 1 RPM\n    result: UUT indicates\n",
    "  - function: thermocouple\n    type: K\n    cold junction: auto\n    nominal: 1000 °C\n"
    "    tolerance: ±(0.1 % of reading + 0.7 °C)\n    result: UUT indicates\n",
    "  - function: measurement\n    nominal: 20 mA\n    tolerance: ±0.1 % of range\n"
    "    range: 20 mA\n    result: panel measures\n    readings: 20\n",
    "  - function: terminal\n    nominal: 200 A\n    frequency: 50 Hz\n"
    "    terminals: 10 TURN COIL\n    tolerance: ±(2 % of reading + 5 digits)\n"
    "    resolution: 0.1 A\n    result: UUT indicates\n",
};

QByteArray ProcedureText(int points) {
    QByteArray text("id: BENCH-200\nrevision: A\ntitle: Two hundred points\n"
                    "uut: {make: Maker, models: [M-1]}\nauthor: Bench\napproved: 2026-12-10\n"
                    "points:\n");
    for (int i = 0; i < points; ++i) {
        text += Kinds.at(static_cast<size_t>(i) % Kinds.size());
        text += "    connect: Connect the UUT as its manual shows for this point.\n"
                "    settle: 2 s\n";
    }
    return text;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    constexpr int Points = 200;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.yaml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ProcedureText(Points)) < 0)
        return 1;
    file.close();

    QList<double> loads;
    QElapsedTimer timer;
    for (int i = 0; i < 21; ++i) {
        timer.start();
        const ProcedureLoad load = LoadProcedure(path);
        loads.append(timer.nsecsElapsed() / 1e6);
        if (!load.procedure || load.procedure->points.size() != Points) {
            std::printf("%s\n", qPrintable(load.problem));
            return 1;
        }
    }
    Bench::Report("load and check a 200-point procedure (median)", Bench::Median(loads), "ms", 100);
    Bench::Report("  slowest of 21", *std::max_element(loads.begin(), loads.end()), "ms", 100);
    return 0;
}
