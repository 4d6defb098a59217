#include "ConsoleModel.h"

int ConsoleModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : Count();
}

QModelIndex ConsoleModel::index(int row, int column, const QModelIndex &parent) const {
    if (row < 0 || row >= Count() || column != 0 || parent.isValid())
        return {};
    return createIndex(row, column);
}

QVariant ConsoleModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return {};
    if (role != Qt::DisplayRole)
        return {};
    QString shown = Entry(index.row());
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return shown;
}

void ConsoleModel::Append(const QString &entry) {
    const int row = Count();
    beginInsertRows({}, row, row);
    text += entry.toLatin1();
    ends.push_back(text.size());
    endInsertRows();
}

void ConsoleModel::Clear() {
    beginResetModel();
    text.clear();
    text.squeeze();
    ends.clear();
    ends.shrink_to_fit();
    endResetModel();
}

QString ConsoleModel::Entry(int row) const {
    const qsizetype begin = row == 0 ? 0 : ends[static_cast<size_t>(row - 1)];
    const qsizetype end = ends[static_cast<size_t>(row)];
    return QString::fromLatin1(text.constData() + begin, end - begin);
}
