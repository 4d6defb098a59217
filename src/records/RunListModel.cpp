#include "records/RunListModel.h"

namespace vk220::records {

namespace {

QString Cell(const results::CalibrationRun &run, int column) {
    switch (column) {
    case RunListModel::Certificate:
        return run.certificate;
    case RunListModel::Started:
        return TimeText(run.started);
    case RunListModel::Serial:
        return run.uut.serial;
    case RunListModel::AssetId:
        return run.uut.assetId;
    case RunListModel::Customer:
        return run.uut.customer;
    case RunListModel::MakeModel:
        return QStringLiteral("%1 %2").arg(run.uut.make, run.uut.model).trimmed();
    case RunListModel::Procedure:
        return QStringLiteral("%1 rev. %2").arg(run.procedureId, run.procedureRevision);
    case RunListModel::Operator:
        return run.operatorName;
    case RunListModel::State:
        return results::StateName(run.state);
    case RunListModel::Verdict:
        return run.verdict ? results::VerdictName(*run.verdict) : QString();
    case RunListModel::Bench:
        return run.bench;
    default:
        return {};
    }
}

} // namespace

QString TimeText(const QDateTime &time) {
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                          : QString();
}

RunListModel::RunListModel(QObject *parent) : QAbstractTableModel(parent) {}

void RunListModel::SetRuns(QList<results::CalibrationRun> found) {
    beginResetModel();
    runs = std::move(found);
    endResetModel();
}

int RunListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(runs.size());
}

int RunListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RunListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return Cell(runs.at(index.row()), index.column());
}

QVariant RunListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char *const titles[ColumnCount] = {
        "Certificate", "Started",  "Serial", "Asset ID", "Customer", "Make/model",
        "Procedure",   "Operator", "State",  "Verdict",  "Bench"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return QString::fromLatin1(titles[section]);
}

} // namespace vk220::records
