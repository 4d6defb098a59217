#pragma once

#include "results/RunRecords.h"

#include <QAbstractTableModel>
#include <QList>

namespace vk220::records {

// The calibrations a filter let through, one row each, latest first: certificate, start, the
// UUT (serial, asset id, customer, make and model), procedure, operator, state and verdict. The
// cells are made as the view asks for them, so that ten thousand rows cost no more to set than
// the list they come in.
class RunListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Certificate,
        Started,
        Serial,
        AssetId,
        Customer,
        MakeModel,
        Procedure,
        Operator,
        State,
        Verdict,
        Bench,
        ColumnCount
    };

    explicit RunListModel(QObject *parent = nullptr);

    void SetRuns(QList<results::CalibrationRun> found);
    const results::CalibrationRun &Run(int row) const { return runs.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<results::CalibrationRun> runs;
};

// A time as the lists show it, in local time to the minute: "2026-12-10 09:00"; empty when
// invalid.
QString TimeText(const QDateTime &time);

} // namespace vk220::records
