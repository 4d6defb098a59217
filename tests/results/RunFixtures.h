#pragma once

#include "procedures/Tolerance.h"
#include "results/ResultStore.h"

#include <QTest>

// A run of made-up points for the results tests: nominal 10 mA, ±1 %, so 9.9 mA to 10.1 mA.
namespace RunFixtures {

inline QDateTime At(int minute, int year = 2026) {
    return QDateTime(QDate(year, 12, 10), QTime(9, 0).addSecs(minute * 60), Qt::UTC);
}

inline vk220::procedures::TestPoint Point() {
    vk220::procedures::TestPoint point;
    point.nominal = {0.010, QStringLiteral("A"), QStringLiteral("10 mA")};
    QString problem;
    point.tolerance = *vk220::procedures::Tolerance::Parse(QStringLiteral("1 %"), &problem);
    return point;
}

inline vk220::results::CalibrationRun Run(const QString &serial, int minute = 0) {
    vk220::results::CalibrationRun run;
    run.procedureId = QStringLiteral("PROC-MA");
    run.procedureRevision = QStringLiteral("C");
    run.procedureTitle = QStringLiteral("Loop calibrator, 4 to 20 mA");
    run.procedureHash = QStringLiteral("ab").repeated(32);
    run.uut = {QStringLiteral("Kestrel Thermal"), QStringLiteral("DM-87"), serial,
               QStringLiteral("A-") + serial, QStringLiteral("Harbour Water Ltd")};
    run.operatorName = QStringLiteral("J. Okonkwo");
    run.started = At(minute);
    run.environment = {22.5, 41.0};
    run.standards = {QStringLiteral("CAL-9100 SN 123456 v2.1"), QStringLiteral("VK220 SN 0042")};
    return run;
}

// A stored run of `count` points taken as found (reading 10.05 mA, passing) and, when `adjusted`,
// again as left; completed, with its certificate number, unless `prefix` is empty.
inline QString StoreRun(vk220::results::ResultStore &store, const QString &serial, int count,
                        bool adjusted, const QString &prefix, int year = 2026) {
    using namespace vk220::results;
    QString problem;
    const qint64 id = store.StartRun(Run(serial), &problem);
    if (id == 0)
        qFatal("%s", qPrintable(problem));
    for (const Phase phase : {Phase::AsFound, Phase::AsLeft}) {
        for (int i = 0; i < count && (phase == Phase::AsFound || adjusted); ++i)
            if (!store.RecordPoint(id, Judge(Point(), i, phase, 0.01005, At(i)), &problem))
                qFatal("%s", qPrintable(problem));
    }
    return prefix.isEmpty() ? QString() : store.Complete(id, At(count, year), prefix, &problem);
}

} // namespace RunFixtures
