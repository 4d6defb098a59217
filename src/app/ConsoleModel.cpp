#include "app/ConsoleModel.h"

#include <QColor>
#include <QFont>

namespace vk220::app {

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
    const Kind kind = KindOf(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        QString shown = Entry(index.row());
        shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        return shown;
    }
    case KindRole:
        return static_cast<int>(kind);
    case Qt::ForegroundRole:
        if (kind == Kind::Reply)
            return ReplyColour;
        if (kind == Kind::Note)
            return NoteColour;
        return {};
    case Qt::FontRole:
        if (kind == Kind::Note) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return {};
    default:
        return {};
    }
}

void ConsoleModel::Append(const QString &entry) {
    const int row = Count();
    Kind kind = Kind::Command;
    if (row > 0 && KindOf(row - 1) == Kind::Command)
        kind = Kind::Reply;
    else if (entry.startsWith(NotePrefix))
        kind = Kind::Note;
    beginInsertRows({}, row, row);
    text += entry.toLatin1();
    const std::uint64_t kindBits = static_cast<std::uint64_t>(kind) << KindShift;
    ends.push_back(static_cast<std::uint64_t>(text.size()) | kindBits);
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
    const qsizetype begin = row == 0 ? 0 : EndOf(row - 1);
    return QString::fromLatin1(text.constData() + begin, EndOf(row) - begin);
}

ConsoleModel::Kind ConsoleModel::KindOf(int row) const {
    return static_cast<Kind>(ends[static_cast<size_t>(row)] >> KindShift);
}

qsizetype ConsoleModel::EndOf(int row) const {
    return static_cast<qsizetype>(ends[static_cast<size_t>(row)] & OffsetMask);
}

} // namespace vk220::app
