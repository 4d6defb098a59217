#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>

// Small helpers shared by the benchmark programs.
namespace Bench {

inline double Median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// How long each of `times` runs of `work` took, in ms, in order.
inline QList<double> Time(int times, const std::function<void()> &work) {
    QList<double> elapsed;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        work();
        elapsed.append(timer.nsecsElapsed() / 1e6);
    }
    return elapsed;
}

// Resident memory of a process, in kB, from /proc (the calling process when pid is 0).
long ResidentKb(long pid = 0);

// CPU time (user + system) used by the calling process so far, in seconds.
double CpuSeconds();

inline void Report(const char *what, double value, const char *unit, double budget) {
    std::printf("%-48s %10.4f %-3s budget %8.3f  ratio %.2f\n", what, value, unit, budget,
                budget > 0 ? value / budget : 0.0);
    std::fflush(stdout);
}

} // namespace Bench
