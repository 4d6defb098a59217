#pragma once

#include <QAbstractListModel>
#include <QByteArray>

#include <vector>

// The console's entries, kept compactly so that the list can grow to millions of rows: all texts
// in one buffer (command lines and replies are plain ASCII) and one offset per entry. Appending
// is amortised constant time.
class ConsoleModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    // The view asks for every row's index on each layout: answered without the general checks.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = {}) const override;
    // The display shows carriage returns and line feeds as "\r" and "\n"; Entry() gives the
    // text as received.
    QVariant data(const QModelIndex &index, int role) const override;

    void Append(const QString &entry);
    void Clear();
    QString Entry(int row) const;
    int Count() const { return static_cast<int>(ends.size()); }

private:
    QByteArray text;
    std::vector<qsizetype> ends;
};
