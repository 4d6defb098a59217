#pragma once

#include "results/RunRecords.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace vk220::results {

// How the store's rows and the records map onto each other. Times are kept as UTC text in ISO
// 8601 with milliseconds, which sorts as the times do.

// The columns a calibration is read from, in the order RunFrom takes them.
extern const QString RunColumns;
// The columns a new calibration is written to, and their values in that order (as many as
// RunValues gives; Placeholders makes the "?, ?, ..." for them).
extern const QString RunInsertColumns;
QVariantList RunValues(const CalibrationRun &run);
QString Placeholders(qsizetype count);
CalibrationRun RunFrom(const QSqlQuery &query);

extern const QString PointColumns;
QVariantList PointValues(qint64 run, const PointResult &result);
PointResult PointFrom(const QSqlQuery &query);

QVariant TimeValue(const QDateTime &time);
QDateTime TimeFrom(const QVariant &value);

// The verdict of a whole run: of its as-left results when it has any, else of its as-found ones;
// FAIL when one failed, PASS when one passed and none failed, SKIPPED when every point was.
Verdict RunVerdict(const QList<PointResult> &points);

} // namespace vk220::results
