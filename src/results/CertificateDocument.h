#pragma once

#include "results/LabSettings.h"
#include "results/RunRecords.h"

#include <QList>
#include <QString>

namespace vk220::results {

// Writes the certificate of a complete run as a PDF at `path`: the laboratory (name, address,
// accreditation, logo), the number, the UUT and customer, the dates of calibration and issue,
// the procedure, the environment, the standards with the traceability statement, the results as
// found and as left over as many pages as they take, the decision rule, the statements every
// certificate makes and the signature lines; "Page n of m" at the foot of every page. Needs a
// QGuiApplication (the offscreen platform will do). False with the reason otherwise.
bool WriteCertificate(const CalibrationRun &run, const QList<PointResult> &points,
                      const LabSettings &lab, const QString &path, QString *problem);

} // namespace vk220::results
