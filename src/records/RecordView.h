#pragma once

#include "results/RunRecords.h"

#include <QDialog>
#include <QList>

class QLabel;
class QTableWidget;

namespace vk220::records {

// One calibration opened from the results window: its header (certificate, state and verdict,
// procedure, the UUT and its customer, operator, times, environment and standards) above a table
// of its point results (phase, point, nominal, reading, error, limits, verdict, reason). It only
// shows; the window it was opened from reprints and exports. "Close" or Esc closes it.
class RecordView final : public QDialog {
    Q_OBJECT
public:
    explicit RecordView(QWidget *parent = nullptr);

    void Show(const results::CalibrationRun &run, const QList<results::PointResult> &points);

private:
    void ShowHeader(const results::CalibrationRun &run);
    void ShowPoints(const QList<results::PointResult> &points);

    QList<QLabel *> fields;
    QTableWidget *pointTable;
};

} // namespace vk220::records
