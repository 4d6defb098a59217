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

#include <utility>

namespace vk220::records {

namespace {

// The header's fields, in the order RecordView::ShowHeader fills them: object name, caption.
const std::pair<const char *, const char *> Fields[] = {
    {"RecordCertificate", "Certificate"}, {"RecordState", "State"},
    {"RecordProcedure", "Procedure"},     {"RecordUut", "Instrument"},
    {"RecordCustomer", "Customer"},       {"RecordOperator", "Operator"},
    {"RecordTimes", "Started, ended"},    {"RecordEnvironment", "Environment"},
    {"RecordStandards", "Standards"},
};

QString Optional(const std::optional<double> &value, const QString &unit) {
    return value ? results::ValueText(*value, unit) : QString();
}

} // namespace

RecordView::RecordView(QWidget *parent)
    : QDialog(parent), pointTable(new QTableWidget(0, 9, this)) {
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

    auto *header = new QFormLayout;
    for (const auto &[name, caption] : Fields) {
        auto *value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        NameControl(*value, name, caption);
        header->addRow(QStringLiteral("%1:").arg(caption), value);
        fields.append(value);
    }
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
    const QString verdict = run.verdict ? results::VerdictName(*run.verdict) : QString();
    const QStringList values{
        run.certificate,
        QStringLiteral("%1 %2").arg(results::StateName(run.state), verdict),
        QStringLiteral("%1 rev. %2, %3")
            .arg(run.procedureId, run.procedureRevision, run.procedureTitle),
        QStringLiteral("%1 %2, serial %3, asset %4")
            .arg(run.uut.make, run.uut.model, run.uut.serial, run.uut.assetId),
        run.uut.customer,
        run.operatorName,
        QStringLiteral("%1 – %2").arg(TimeText(run.started), TimeText(run.ended)),
        QStringLiteral("%1 °C, %2 % RH")
            .arg(run.environment.temperature)
            .arg(run.environment.humidity),
        QStringLiteral("%1; %2").arg(run.standards.calibrator, run.standards.adapter),
    };
    for (qsizetype i = 0; i < fields.size(); ++i)
        fields[i]->setText(values[i].trimmed());
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
