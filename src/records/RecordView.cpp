#include "records/RecordView.h"

#include "records/ResultsFilterBar.h"
#include "records/RunListModel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vk220::records {

namespace {

QString Optional(const std::optional<double> &value, const QString &unit) {
    return value ? results::ValueText(*value, unit) : QString();
}

} // namespace

RecordView::RecordView(QWidget *parent)
    : QDialog(parent), header(new QFormLayout), pointTable(new QTableWidget(0, 9, this)) {
    NameControl(*this, "RecordView", "Calibration record");
    NameControl(*pointTable, "RecordPoints", "Point results");
    pointTable->setHorizontalHeaderLabels({"Phase", "Point", "Nominal", "Reading", "Error",
                                           "Low limit", "High limit", "Verdict", "Reason"});
    pointTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pointTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    pointTable->verticalHeader()->hide();
    pointTable->horizontalHeader()->setStretchLastSection(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    NameControl(*buttons->button(QDialogButtonBox::Close), "CloseRecord", "Close the record");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(pointTable, 1);
    layout->addWidget(buttons);
    resize(900, 600);
}

void RecordView::Show(const results::CalibrationRun &run,
                      const QList<results::PointResult> &points) {
    setWindowTitle(QStringLiteral("Calibration %1")
                       .arg(run.certificate.isEmpty() ? run.uut.serial : run.certificate));
    ShowHeader(run);
    ShowPoints(points);
    show();
    raise();
    activateWindow();
}

void RecordView::ShowHeader(const results::CalibrationRun &run) {
    while (header->rowCount() > 0)
        header->removeRow(0);
    const QString verdict = run.verdict ? results::VerdictName(*run.verdict) : QString();
    const struct {
        const char *name;
        const char *caption;
        QString value;
    } fields[] = {
        {"RecordCertificate", "Certificate:", run.certificate},
        {"RecordState",
         "State:", QStringLiteral("%1 %2").arg(results::StateName(run.state), verdict)},
        {"RecordProcedure", "Procedure:",
         QStringLiteral("%1 rev. %2, %3")
             .arg(run.procedureId, run.procedureRevision, run.procedureTitle)},
        {"RecordUut", "Instrument:",
         QStringLiteral("%1 %2, serial %3, asset %4")
             .arg(run.uut.make, run.uut.model, run.uut.serial, run.uut.assetId)},
        {"RecordCustomer", "Customer:", run.uut.customer},
        {"RecordOperator", "Operator:", run.operatorName},
        {"RecordTimes", "Started, ended:",
         QStringLiteral("%1 – %2").arg(TimeText(run.started), TimeText(run.ended))},
        {"RecordEnvironment", "Environment:",
         QStringLiteral("%1 °C, %2 % RH")
             .arg(run.environment.temperature)
             .arg(run.environment.humidity)},
        {"RecordStandards", "Standards:",
         QStringLiteral("%1; %2").arg(run.standards.calibrator, run.standards.adapter)},
    };
    for (const auto &field : fields) {
        auto *value = new QLabel(field.value.trimmed(), this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        NameControl(*value, field.name, QString::fromUtf8(field.caption).chopped(1));
        header->addRow(QString::fromUtf8(field.caption), value);
    }
}

void RecordView::ShowPoints(const QList<results::PointResult> &points) {
    pointTable->setRowCount(static_cast<int>(points.size()));
    for (int row = 0; row < points.size(); ++row) {
        const results::PointResult &point = points[row];
        const QStringList cells{results::PhaseName(point.phase),
                                QString::number(point.index + 1),
                                results::ValueText(point.nominal, point.unit),
                                Optional(point.reading, point.unit),
                                Optional(point.error, point.unit),
                                results::ValueText(point.low, point.unit),
                                results::ValueText(point.high, point.unit),
                                results::VerdictName(point.verdict),
                                point.reason};
        for (int column = 0; column < cells.size(); ++column)
            pointTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    pointTable->resizeColumnsToContents();
}

} // namespace vk220::records
