#pragma once

#include "results/LabSettings.h"
#include "ui/QtMessageBoxes.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace vk220::results {
class ResultStore;
struct CalibrationRun;
} // namespace vk220::results

namespace vk220::records {

class RecordView;
class ResultsFilterBar;
class RunListModel;

// The results window: the calibrations in the store, latest first, narrowed by serial, asset id,
// customer, start date and verdict (ResultsFilterBar, through ResultStore::Find); the one selected
// is opened ("Open", a double click or Enter: RecordView), its certificate written again as PDF
// ("Reprint Certificate", for a complete run with a number) or the calibration exported as CSV
// or JSON, each to a file the operator chooses. Success is told in the status line; a file that
// cannot be written is told in a warning box that names it. The store stays the caller's, open
// for as long as the window lives; the window reads it afresh on every change of the filter.
class ResultsWindow final : public QDialog {
    Q_OBJECT
public:
    // Asks where to save, offering `suggested` (a path whose suffix says the kind of file); the
    // path chosen, or empty when the operator cancelled.
    using FileChooser = std::function<QString(const QString &suggested)>;

    ResultsWindow(results::ResultStore &store, const results::LabSettings &lab,
                  QWidget *parent = nullptr);

    // Replaces the save dialog (QFileDialog) and the message boxes (QMessageBox), as tests do.
    void SetFileChooser(FileChooser chooser);
    void SetMessageBoxes(ui::MessageBoxes &boxes);

    // Lists the calibrations the filter lets through again.
    void Refresh();

private:
    enum class Format { Csv, Json };

    const results::CalibrationRun *Selected() const;
    void UpdateButtons();
    void OpenRecord();
    void Reprint();
    void Export(Format format);
    // The path the operator chose for a file of the selected run with `suffix`; empty if none.
    QString Choose(const results::CalibrationRun &run, const QString &suffix);

    results::ResultStore &store;
    results::LabSettings lab;
    ui::QtMessageBoxes qtBoxes;
    ui::MessageBoxes *boxes = &qtBoxes;
    FileChooser chooser;
    QString folder;
    ResultsFilterBar *filterBar;
    RunListModel *model;
    QTableView *runList;
    QLabel *statusLab;
    QPushButton *openBut;
    QPushButton *reprintBut;
    QPushButton *csvBut;
    QPushButton *jsonBut;
    RecordView *recordView = nullptr;
};

} // namespace vk220::records
