#include "results/CalibrationExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace vk220::results {

namespace {

QString Field(const QString &text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    return QLatin1Char('"') + quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString Number(double value) {
    return QString::number(value, 'g', 15);
}

QString Time(const QDateTime &time) {
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QJsonValue OptionalJson(const std::optional<double> &value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

} // namespace

QByteArray CalibrationCsv(const CalibrationRun &run, const QList<PointResult> &points) {
    QStringList lines{QStringLiteral(
        "certificate,procedure,revision,serial,asset,customer,phase,point,nominal,unit,reading,"
        "error,low,high,verdict,reason,taken,uncertainty")};
    for (const PointResult &point : points) {
        const QStringList fields{run.certificate,
                                 run.procedureId,
                                 run.procedureRevision,
                                 run.uut.serial,
                                 run.uut.assetId,
                                 run.uut.customer,
                                 PhaseName(point.phase),
                                 QString::number(point.index + 1),
                                 Number(point.nominal),
                                 point.unit,
                                 point.reading ? Number(*point.reading) : QString(),
                                 point.error ? Number(*point.error) : QString(),
                                 Number(point.low),
                                 Number(point.high),
                                 VerdictName(point.verdict),
                                 point.reason,
                                 Time(point.taken),
                                 Number(point.uncertainty)};
        QStringList quoted;
        for (const QString &field : fields)
            quoted.append(Field(field));
        lines.append(quoted.join(QLatin1Char(',')));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray CalibrationJson(const CalibrationRun &run, const QList<PointResult> &points) {
    QJsonArray results;
    for (const PointResult &point : points)
        results.append(QJsonObject{{"point", point.index + 1},
                                   {"phase", PhaseName(point.phase)},
                                   {"nominal", point.nominal},
                                   {"unit", point.unit},
                                   {"reading", OptionalJson(point.reading)},
                                   {"error", OptionalJson(point.error)},
                                   {"low", point.low},
                                   {"high", point.high},
                                   {"uncertainty", point.uncertainty},
                                   {"verdict", VerdictName(point.verdict)},
                                   {"reason", point.reason},
                                   {"taken", Time(point.taken)}});
    const QJsonObject object{
        {"certificate", run.certificate},
        {"procedure", QJsonObject{{"id", run.procedureId},
                                  {"revision", run.procedureRevision},
                                  {"title", run.procedureTitle},
                                  {"sha256", run.procedureHash}}},
        {"uut", QJsonObject{{"make", run.uut.make},
                            {"model", run.uut.model},
                            {"serial", run.uut.serial},
                            {"asset", run.uut.assetId},
                            {"customer", run.uut.customer}}},
        {"operator", run.operatorName},
        {"started", Time(run.started)},
        {"ended", Time(run.ended)},
        {"environment", QJsonObject{{"temperature", run.environment.temperature},
                                    {"humidity", run.environment.humidity}}},
        {"standards",
         QJsonObject{{"calibrator", run.standards.calibrator}, {"adapter", run.standards.adapter}}},
        {"state", StateName(run.state)},
        {"verdict", run.verdict ? QJsonValue(VerdictName(*run.verdict)) : QJsonValue()},
        {"decision rule", run.decisionRule},
        {"points", results}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace vk220::results
