#include "results/StoreRows.h"

#include <QVariant>

#include <algorithm>

namespace vk220::results {

namespace {

QVariant Optional(const std::optional<double> &value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

// Text as it is, never NULL: a column of text is empty rather than unknown.
QVariant Text(const QString &text) {
    return text.isNull() ? QStringLiteral("") : text;
}

std::optional<double> OptionalFrom(const QVariant &value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

} // namespace

const QString RunColumns = QStringLiteral(
    "id, procedure_id, procedure_revision, procedure_title, procedure_hash, uut_make, uut_model, "
    "uut_serial, asset_id, customer, operator, started, ended, temperature, humidity, calibrator, "
    "adapter, state, verdict, certificate, bench, run_key, decision_rule");

const QString RunInsertColumns = QStringLiteral(
    "procedure_id, procedure_revision, procedure_title, procedure_hash, uut_make, uut_model, "
    "uut_serial, asset_id, customer, operator, started, temperature, humidity, calibrator, "
    "adapter, state, bench, run_key, decision_rule");

QVariantList RunValues(const CalibrationRun &run) {
    return {Text(run.procedureId),
            Text(run.procedureRevision),
            Text(run.procedureTitle),
            Text(run.procedureHash),
            Text(run.uut.make),
            Text(run.uut.model),
            Text(run.uut.serial),
            Text(run.uut.assetId),
            Text(run.uut.customer),
            Text(run.operatorName),
            TimeValue(run.started),
            run.environment.temperature,
            run.environment.humidity,
            Text(run.standards.calibrator),
            Text(run.standards.adapter),
            StateName(RunState::Open),
            Text(run.bench),
            run.key,
            Text(run.decisionRule)};
}

QString Placeholders(qsizetype count) {
    return QStringLiteral("?, ").repeated(count - 1) + QLatin1Char('?');
}

CalibrationRun RunFrom(const QSqlQuery &query) {
    CalibrationRun run;
    run.id = query.value(0).toLongLong();
    run.procedureId = query.value(1).toString();
    run.procedureRevision = query.value(2).toString();
    run.procedureTitle = query.value(3).toString();
    run.procedureHash = query.value(4).toString();
    run.uut = {query.value(5).toString(), query.value(6).toString(), query.value(7).toString(),
               query.value(8).toString(), query.value(9).toString()};
    run.operatorName = query.value(10).toString();
    run.started = TimeFrom(query.value(11));
    run.ended = TimeFrom(query.value(12));
    run.environment = {query.value(13).toDouble(), query.value(14).toDouble()};
    run.standards = {query.value(15).toString(), query.value(16).toString()};
    run.state = StateNamed(query.value(17).toString()).value_or(RunState::Open);
    run.verdict = VerdictNamed(query.value(18).toString());
    run.certificate = query.value(19).toString();
    run.bench = query.value(20).toString();
    run.key = query.value(21).toString();
    run.decisionRule = query.value(22).toString();
    return run;
}

const QString PointColumns = QStringLiteral(
    "calibration_id, phase, point_index, nominal, unit, reading, error, low, high, verdict, "
    "reason, taken, uncertainty");

QVariantList PointValues(qint64 run, const PointResult &result) {
    return {run,
            PhaseName(result.phase),
            result.index,
            result.nominal,
            Text(result.unit),
            Optional(result.reading),
            Optional(result.error),
            result.low,
            result.high,
            VerdictName(result.verdict),
            Text(result.reason),
            TimeValue(result.taken),
            result.uncertainty};
}

PointResult PointFrom(const QSqlQuery &query) {
    PointResult result;
    result.phase = PhaseNamed(query.value(1).toString()).value_or(Phase::AsFound);
    result.index = query.value(2).toInt();
    result.nominal = query.value(3).toDouble();
    result.unit = query.value(4).toString();
    result.reading = OptionalFrom(query.value(5));
    result.error = OptionalFrom(query.value(6));
    result.low = query.value(7).toDouble();
    result.high = query.value(8).toDouble();
    result.verdict = VerdictNamed(query.value(9).toString()).value_or(Verdict::Skipped);
    result.reason = query.value(10).toString();
    result.taken = TimeFrom(query.value(11));
    result.uncertainty = query.value(12).toDouble();
    return result;
}

QVariant TimeValue(const QDateTime &time) {
    if (!time.isValid())
        return QVariant(QMetaType(QMetaType::QString));
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime TimeFrom(const QVariant &value) {
    if (value.isNull())
        return {};
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
}

Verdict RunVerdict(const QList<PointResult> &points) {
    const bool adjusted = std::any_of(points.begin(), points.end(), [](const PointResult &point) {
        return point.phase == Phase::AsLeft;
    });
    const Phase final = adjusted ? Phase::AsLeft : Phase::AsFound;
    Verdict verdict = Verdict::Skipped;
    for (const PointResult &point : points) {
        if (point.phase != final || point.verdict == Verdict::Skipped)
            continue;
        if (point.verdict == Verdict::Fail)
            return Verdict::Fail;
        verdict = Verdict::Pass;
    }
    return verdict;
}

} // namespace vk220::results
