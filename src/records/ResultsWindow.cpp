#include "records/ResultsWindow.h"

#include "records/RecordView.h"
#include "records/ResultsFilterBar.h"
#include "records/RunListModel.h"
#include "results/CalibrationExport.h"
#include "results/CertificateDocument.h"
#include "results/ResultStore.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace vk220::records {

namespace {

QPushButton *Button(const QString &text, const QString &name, const QString &spoken,
                    QWidget *parent) {
    auto *button = new QPushButton(text, parent);
    NameControl(*button, name, spoken);
    return button;
}

// What a file of the run is called by default: its certificate number, or for a run without one
// its serial and start, with anything a file name should not hold replaced.
QString BaseName(const results::CalibrationRun &run) {
    const QString name =
        run.certificate.isEmpty()
            ? QStringLiteral("%1-%2").arg(run.uut.serial,
                                          run.started.toString(QStringLiteral("yyyyMMdd-HHmm")))
            : run.certificate;
    return QString(name).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")),
                                 QStringLiteral("_"));
}

bool WriteFile(const QString &path, const QByteArray &bytes, QString *problem) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

ResultsWindow::ResultsWindow(results::ResultStore &store, const results::LabSettings &lab,
                             QWidget *parent)
    : QDialog(parent), store(store), lab(lab),
      folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
      filterBar(new ResultsFilterBar(this)), model(new RunListModel(this)),
      runList(new QTableView(this)), statusLab(new QLabel(this)),
      openBut(Button("&Open", "OpenRecord", "Open the calibration", this)),
      reprintBut(
          Button("&Reprint Certificate...", "ReprintCertificate", "Reprint the certificate", this)),
      csvBut(Button("Export &CSV...", "ExportCsv", "Export the calibration as CSV", this)),
      jsonBut(Button("Export &JSON...", "ExportJson", "Export the calibration as JSON", this)) {
    NameControl(*this, "ResultsWindow", "Calibration results");
    setWindowTitle(QStringLiteral("Calibration Results"));
    qtBoxes.SetParent(this);
    chooser = [this](const QString &suggested) {
        const QString suffix = QFileInfo(suggested).suffix();
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Save As"), suggested,
            QStringLiteral("%1 files (*.%2)").arg(suffix.toUpper(), suffix));
    };
    NameControl(*runList, "ResultsList", "Calibrations");
    NameControl(*statusLab, "ResultsStatus", "Status");
    runList->setModel(model);
    runList->setSelectionBehavior(QAbstractItemView::SelectRows);
    runList->setSelectionMode(QAbstractItemView::SingleSelection);
    runList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    runList->setWordWrap(false);
    runList->verticalHeader()->hide();
    runList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    runList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    runList->horizontalHeader()->setStretchLastSection(true);
    // The widths follow the first rows only, however many there are.
    runList->horizontalHeader()->setResizeContentsPrecision(50);
    auto *closeBut = Button("Close", "CloseResults", "Close the results", this);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {openBut, reprintBut, csvBut, jsonBut})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(closeBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterBar);
    layout->addWidget(runList, 1);
    layout->addLayout(buttons);
    layout->addWidget(statusLab);
    resize(1100, 650);
    // Enter belongs to the field or the list it is pressed in, never to a button.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    connect(filterBar, &ResultsFilterBar::Changed, this, &ResultsWindow::Refresh);
    connect(runList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultsWindow::UpdateButtons);
    // A double click, or Enter on the list.
    connect(runList, &QTableView::activated, this, &ResultsWindow::OpenRecord);
    connect(openBut, &QPushButton::clicked, this, &ResultsWindow::OpenRecord);
    connect(reprintBut, &QPushButton::clicked, this, &ResultsWindow::Reprint);
    connect(csvBut, &QPushButton::clicked, this, [this] { Export(Format::Csv); });
    connect(jsonBut, &QPushButton::clicked, this, [this] { Export(Format::Json); });
    connect(closeBut, &QPushButton::clicked, this, &QDialog::close);
    Refresh();
    runList->resizeColumnsToContents();
}

void ResultsWindow::SetFileChooser(FileChooser choose) {
    chooser = std::move(choose);
}

void ResultsWindow::SetMessageBoxes(ui::MessageBoxes &shown) {
    boxes = &shown;
}

void ResultsWindow::Refresh() {
    model->SetRuns(store.Find(filterBar->Filter()));
    const int count = model->rowCount();
    statusLab->setText(count == 1 ? QStringLiteral("1 calibration")
                                  : QStringLiteral("%1 calibrations").arg(count));
    UpdateButtons();
}

const results::CalibrationRun *ResultsWindow::Selected() const {
    const QModelIndexList rows = runList->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : &model->Run(rows.first().row());
}

void ResultsWindow::UpdateButtons() {
    const results::CalibrationRun *run = Selected();
    for (QPushButton *button : {openBut, csvBut, jsonBut})
        button->setEnabled(run != nullptr);
    reprintBut->setEnabled(run != nullptr && run->state == results::RunState::Complete &&
                           !run->certificate.isEmpty());
}

void ResultsWindow::OpenRecord() {
    const results::CalibrationRun *run = Selected();
    if (run == nullptr)
        return;
    if (recordView == nullptr)
        recordView = new RecordView(this);
    recordView->Show(*run, store.Points(run->id));
}

void ResultsWindow::Reprint() {
    const results::CalibrationRun *run = Selected();
    if (run == nullptr)
        return;
    const QString path = Choose(*run, QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString problem;
    if (!results::WriteCertificate(*run, store.Points(run->id), lab, path, &problem)) {
        boxes->Warn(QStringLiteral("Reprint Certificate"),
                    QStringLiteral("The certificate %1 could not be written.\n%2")
                        .arg(run->certificate, problem));
        return;
    }
    statusLab->setText(QStringLiteral("Certificate %1 written to %2").arg(run->certificate, path));
}

void ResultsWindow::Export(Format format) {
    const results::CalibrationRun *run = Selected();
    if (run == nullptr)
        return;
    const bool csv = format == Format::Csv;
    const QString path = Choose(*run, csv ? QStringLiteral("csv") : QStringLiteral("json"));
    if (path.isEmpty())
        return;
    const QList<results::PointResult> points = store.Points(run->id);
    QString problem;
    if (!WriteFile(path,
                   csv ? results::CalibrationCsv(*run, points)
                       : results::CalibrationJson(*run, points),
                   &problem)) {
        boxes->Warn(csv ? QStringLiteral("Export CSV") : QStringLiteral("Export JSON"),
                    QStringLiteral("The calibration %1 could not be exported.\n%2")
                        .arg(BaseName(*run), problem));
        return;
    }
    statusLab->setText(QStringLiteral("Calibration %1 exported to %2").arg(BaseName(*run), path));
}

QString ResultsWindow::Choose(const results::CalibrationRun &run, const QString &suffix) {
    const QString path = chooser(QStringLiteral("%1/%2.%3").arg(folder, BaseName(run), suffix));
    if (!path.isEmpty())
        folder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace vk220::records
