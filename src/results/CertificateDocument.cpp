#include "results/CertificateDocument.h"

#include "results/CertificatePages.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>

#include <algorithm>

namespace vk220::results {

namespace {

QFont Font(double size, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without shaping, no ligatures: the PDF's text reads back letter by letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

const QList<double> Shares{0.07, 0.15, 0.16, 0.16, 0.16, 0.16, 0.14};
// With a guard band, the uncertainty that narrowed each verdict's limits beside them.
const QList<double> GuardShares{0.06, 0.14, 0.14, 0.14, 0.14, 0.14, 0.12, 0.12};

QString Optional(const std::optional<double> &value, const QString &unit) {
    return value ? ValueText(*value, unit) : QStringLiteral("—");
}

void Heading(CertificatePages &pages, const QString &text) {
    pages.Need(60.0);
    pages.Skip(8.0);
    pages.Paragraph(text, Font(11, true));
    pages.Skip(3.0);
}

void LabBlock(CertificatePages &pages, const LabSettings &lab) {
    const double top = pages.Top();
    const double indent = lab.logo.isEmpty() ? 0.0 : 90.0;
    pages.Picture(lab.logo, QRectF(0, top, 80.0, 60.0));
    pages.Paragraph(lab.name, Font(15, true), Qt::AlignLeft, indent);
    pages.Paragraph(lab.address, Font(9), Qt::AlignLeft, indent);
    pages.Paragraph(lab.accreditation, Font(8), Qt::AlignLeft, indent);
    pages.Skip(std::max(0.0, top + 64.0 - pages.Top()));
    pages.Line(0.0, pages.Width(), pages.Top());
    pages.Skip(12.0);
}

void Details(CertificatePages &pages, const CalibrationRun &run) {
    const QString environment = QStringLiteral("Temperature %1 °C, relative humidity %2 %")
                                    .arg(run.environment.temperature, 0, 'f', 1)
                                    .arg(run.environment.humidity, 0, 'f', 0);
    const QList<std::pair<QString, QString>> rows{
        {QStringLiteral("Customer"), run.uut.customer},
        {QStringLiteral("Item calibrated"), run.uut.make + QLatin1Char(' ') + run.uut.model},
        {QStringLiteral("Serial number"), run.uut.serial},
        {QStringLiteral("Asset id"), run.uut.assetId},
        {QStringLiteral("Date of calibration"), run.started.toUTC().date().toString(Qt::ISODate)},
        {QStringLiteral("Date of issue"), run.ended.toUTC().date().toString(Qt::ISODate)},
        {QStringLiteral("Procedure"),
         QStringLiteral("%1 revision %2: %3")
             .arg(run.procedureId, run.procedureRevision, run.procedureTitle)},
        {QStringLiteral("Procedure file SHA-256"), run.procedureHash},
        {QStringLiteral("Environment"), environment},
        {QStringLiteral("Calibrated by"), run.operatorName},
        {QStringLiteral("Result"), run.verdict ? VerdictName(*run.verdict) : QString()},
    };
    for (const auto &[label, value] : rows) {
        const double top = pages.Top();
        pages.Paragraph(label, Font(9, true), Qt::AlignLeft, 0.0, 140.0);
        const double labelEnd = pages.Top();
        pages.Skip(top - pages.Top());
        // The hash, one word of 64 digits, in a size that takes it on one line.
        pages.Paragraph(value, Font(value == run.procedureHash ? 7.5 : 9), Qt::AlignLeft, 150.0);
        pages.Skip(std::max(0.0, labelEnd - pages.Top()) + 2.0);
    }
}

void Standards(CertificatePages &pages, const CalibrationRun &run, const LabSettings &lab) {
    Heading(pages, QStringLiteral("Standards and traceability"));
    pages.Paragraph(QStringLiteral("Calibrator: %1").arg(run.standards.calibrator), Font(9));
    pages.Paragraph(QStringLiteral("Adapter: %1").arg(run.standards.adapter), Font(9));
    pages.Skip(3.0);
    pages.Paragraph(lab.traceability, Font(9));
}

QStringList Columns(bool guarded) {
    QStringList columns{QStringLiteral("Point"),     QStringLiteral("Nominal"),
                        QStringLiteral("Reading"),   QStringLiteral("Error"),
                        QStringLiteral("Low limit"), QStringLiteral("High limit")};
    if (guarded)
        columns << QStringLiteral("Uncertainty");
    return columns << QStringLiteral("Verdict");
}

void Results(CertificatePages &pages, const QList<PointResult> &points, Phase phase,
             const QString &title) {
    QList<PointResult> shown;
    for (const PointResult &point : points)
        if (point.phase == phase)
            shown.append(point);
    if (shown.isEmpty())
        return;
    Heading(pages, title);
    const bool guarded = std::any_of(
        shown.begin(), shown.end(), [](const PointResult &point) { return point.uncertainty > 0; });
    const QList<double> &shares = guarded ? GuardShares : Shares;
    pages.Row(Columns(guarded), shares, Font(8, true));
    for (const PointResult &point : shown) {
        const QString reason =
            point.verdict == Verdict::Skipped && !point.reason.isEmpty()
                ? QStringLiteral("Point %1 skipped: %2").arg(point.index + 1).arg(point.reason)
                : QString();
        if (pages.Need(reason.isEmpty() ? 16.0 : 30.0))
            pages.Row(Columns(guarded), shares, Font(8, true));
        QStringList cells{QString::number(point.index + 1),    ValueText(point.nominal, point.unit),
                          Optional(point.reading, point.unit), Optional(point.error, point.unit),
                          ValueText(point.low, point.unit),    ValueText(point.high, point.unit)};
        if (guarded)
            cells << ValueText(point.uncertainty, point.unit);
        pages.Row(cells << VerdictName(point.verdict), shares, Font(8));
        if (!reason.isEmpty())
            pages.Paragraph(reason, Font(7.5), Qt::AlignLeft, 20.0);
    }
}

void Closing(CertificatePages &pages, const CalibrationRun &run, const LabSettings &lab) {
    Heading(pages, QStringLiteral("Decision rule"));
    pages.Paragraph(run.decisionRule.isEmpty() ? lab.decisionRule : run.decisionRule, Font(9));
    pages.Skip(8.0);
    pages.Paragraph(QStringLiteral("The results relate only to the item calibrated."), Font(9));
    pages.Paragraph(QStringLiteral("This certificate shall not be reproduced except in full "
                                   "without the written approval of the laboratory."),
                    Font(9));
    pages.Need(90.0);
    pages.Skip(50.0);
    const double half = pages.Width() / 2.0;
    const double at = pages.Top();
    pages.Line(0.0, half - 30.0, at);
    pages.Line(half + 30.0, pages.Width(), at);
    pages.Skip(3.0);
    pages.Paragraph(QStringLiteral("%1: %2").arg(lab.calibratedBy, run.operatorName), Font(9),
                    Qt::AlignLeft, 0.0, half - 30.0);
    pages.Skip(at + 3.0 - pages.Top());
    pages.Paragraph(lab.approvedBy, Font(9), Qt::AlignLeft, half + 30.0);
}

// Lays the certificate out; painted when `painter` is given. The number of pages.
int Render(QPdfWriter *writer, QPainter *painter, int total, const CalibrationRun &run,
           const QList<PointResult> &points, const LabSettings &lab) {
    CertificatePages pages(writer, painter, run.certificate, total);
    LabBlock(pages, lab);
    pages.Paragraph(QStringLiteral("CALIBRATION CERTIFICATE"), Font(17, true), Qt::AlignHCenter);
    pages.Paragraph(QStringLiteral("Certificate number %1").arg(run.certificate), Font(11),
                    Qt::AlignHCenter);
    pages.Skip(14.0);
    Details(pages, run);
    Standards(pages, run, lab);
    Results(pages, points, Phase::AsFound, QStringLiteral("Results as found"));
    Results(pages, points, Phase::AsLeft, QStringLiteral("Results as left"));
    Closing(pages, run, lab);
    return pages.Finish();
}

} // namespace

bool WriteCertificate(const CalibrationRun &run, const QList<PointResult> &points,
                      const LabSettings &lab, const QString &path, QString *problem) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Calibration certificate %1").arg(run.certificate));
    writer.setCreator(lab.name);
    const int total = Render(&writer, nullptr, 0, run, points, lab);
    QPainter painter;
    if (!painter.begin(&writer)) {
        *problem = QStringLiteral("%1: cannot paint the certificate").arg(path);
        return false;
    }
    Render(&writer, &painter, total, run, points, lab);
    painter.end();
    return true;
}

} // namespace vk220::results
