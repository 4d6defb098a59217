#pragma once

#include "results/RunRecords.h"

#include <QByteArray>
#include <QList>

namespace vk220::results {

// One calibration as CSV (RFC 4180, UTF-8): a header line, then one line a point result, each
// carrying the run's identification, so that the lines of several files can be put together.
// Values in the base unit, plain decimals; a skipped point's reading and error are empty.
QByteArray CalibrationCsv(const CalibrationRun &run, const QList<PointResult> &points);

// One calibration as a JSON object: the run's fields and its "points".
QByteArray CalibrationJson(const CalibrationRun &run, const QList<PointResult> &points);

} // namespace vk220::results
