#include "procedures/ProcedureReader.h"

#include "procedures/PointReader.h"
#include "procedures/YamlFields.h"

#include <QFile>

namespace vk220::procedures {

namespace {

const QString Points = QStringLiteral("points");

QStringList Models(const YAML::Node &uut) {
    const YamlFields fields(uut, QStringLiteral("the uut"));
    const YAML::Node models = fields.Node(QStringLiteral("models"));
    QStringList names;
    if (models.IsScalar())
        names << fields.Text(QStringLiteral("models"));
    for (const YAML::Node &model : models) {
        const QString name =
            model.IsScalar() ? QString::fromStdString(model.Scalar()).trimmed() : QString();
        if (name.isEmpty())
            throw ProblemAt(model, QStringLiteral("the uut: each model must be a text"));
        names << name;
    }
    if (names.isEmpty())
        throw ProblemAt(fields.At(QStringLiteral("models")),
                        QStringLiteral("the uut names no model"));
    return names;
}

ProcedureHeader ReadHeader(const YamlFields &fields) {
    ProcedureHeader header;
    header.id = fields.Text(QStringLiteral("id"));
    header.revision = fields.Text(QStringLiteral("revision"));
    header.title = fields.Text(QStringLiteral("title"));
    const YAML::Node uut = fields.Node(QStringLiteral("uut"));
    const YamlFields uutFields(uut, QStringLiteral("the uut"));
    uutFields.Allow({QStringLiteral("make"), QStringLiteral("models")});
    header.make = uutFields.Text(QStringLiteral("make"));
    header.models = Models(uut);
    header.author = fields.Text(QStringLiteral("author"));
    const QString approved = fields.Text(QStringLiteral("approved"));
    header.approved = QDate::fromString(approved, Qt::ISODate);
    if (!header.approved.isValid())
        throw ProblemAt(
            fields.At(QStringLiteral("approved")),
            QStringLiteral("the approval date \"%1\" is not a date written as 2026-12-10")
                .arg(approved));
    return header;
}

Procedure Read(const YAML::Node &root) {
    if (!root || root.IsNull())
        throw ProcedureProblem{1, 1, QStringLiteral("the file holds no procedure")};
    const YamlFields fields(root, QStringLiteral("the procedure"));
    fields.Allow({QStringLiteral("id"), QStringLiteral("revision"), QStringLiteral("title"),
                  QStringLiteral("uut"), QStringLiteral("author"), QStringLiteral("approved"),
                  Points});
    Procedure procedure;
    procedure.header = ReadHeader(fields);
    const YAML::Node points = fields.Node(Points);
    if (!points.IsSequence() || points.size() == 0)
        throw ProblemAt(fields.At(Points),
                        QStringLiteral("\"points\" must be a list of one or more points"));
    int number = 0;
    for (const YAML::Node &point : points)
        procedure.points.append(ReadTestPoint(point, ++number));
    return procedure;
}

// yaml-cpp counts a column in bytes; an editor counts characters ("Ω" is two bytes).
int CharacterColumn(const QByteArray &bytes, int line, int byteColumn) {
    qsizetype start = 0;
    for (int i = 1; i < line; ++i) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            return byteColumn;
        start = end + 1;
    }
    return int(QString::fromUtf8(bytes.mid(start, byteColumn - 1)).size()) + 1;
}

QString Placed(const QString &path, const QByteArray &bytes, const ProcedureProblem &problem) {
    if (problem.line == 0)
        return QStringLiteral("%1: %2").arg(path, problem.text);
    return QStringLiteral("%1:%2:%3: %4")
        .arg(path)
        .arg(problem.line)
        .arg(CharacterColumn(bytes, problem.line, problem.column))
        .arg(problem.text);
}

} // namespace

ProcedureLoad LoadProcedure(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                QStringLiteral("%1: cannot read it: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    try {
        Procedure procedure = Read(YAML::Load(bytes.toStdString()));
        procedure.file = path;
        return {procedure, QString()};
    } catch (const ProcedureProblem &problem) {
        return {std::nullopt, Placed(path, bytes, problem)};
    } catch (const YAML::Exception &error) {
        const ProcedureProblem problem{
            error.mark.line + 1, error.mark.column + 1,
            QStringLiteral("not valid YAML: %1").arg(QString::fromStdString(error.msg))};
        return {std::nullopt, Placed(path, bytes, problem)};
    }
}

} // namespace vk220::procedures
