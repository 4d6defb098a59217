#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <vector>

namespace vk220::app {

// The console's entries, kept compactly so that the list can grow to millions of rows: all texts
// in one buffer (command lines and replies are plain ASCII) and one word per entry, its end offset
// with its kind in the top bits. Appending is amortised constant time.
//
// The link writes an exchange as two entries, the command line and then its reply, and the
// interlock's notes ("Interlock: ...") as one entry between exchanges: the kind of each entry
// follows from the one before it. The view draws the kinds apart (KindRole, ForegroundRole,
// FontRole).
class ConsoleModel final : public QAbstractListModel {
    Q_OBJECT
public:
    enum class Kind : std::uint8_t { Command, Reply, Note };
    // The entry's Kind, as an int.
    static constexpr int KindRole = Qt::UserRole;
    static inline const QString NotePrefix = QStringLiteral("Interlock: ");
    static inline const QColor ReplyColour{105, 105, 105};
    static inline const QColor NoteColour{150, 75, 0};

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    // Asked for every row in view at each paint: answered without the general checks.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = {}) const override;
    // The display shows carriage returns and line feeds as "\r" and "\n"; Entry() gives the
    // text as received. Replies are grey, the interlock's notes brown and in italics.
    QVariant data(const QModelIndex &index, int role) const override;

    void Append(const QString &entry);
    void Clear();
    QString Entry(int row) const;
    Kind KindOf(int row) const;
    int Count() const { return static_cast<int>(ends.size()); }

private:
    static constexpr int KindShift = 62;
    static constexpr std::uint64_t OffsetMask = (std::uint64_t(1) << KindShift) - 1;

    qsizetype EndOf(int row) const;

    QByteArray text;
    std::vector<std::uint64_t> ends;
};

} // namespace vk220::app
