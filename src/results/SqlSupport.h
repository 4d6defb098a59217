#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace vk220::results {

// Prepares and runs `sql` on `database` with `values` bound in order; on failure returns false
// with the driver's message in `problem` (unless null: a query whose failure reads as no rows).
bool Execute(QSqlQuery &query, const QString &sql, const QVariantList &values, QString *problem);
bool Execute(const QSqlDatabase &database, const QString &sql, QString *problem);

// An immediate write transaction: the database is locked for writing from Begin, so that two
// programs completing runs at once take certificate numbers one after the other. Rolled back
// when it goes out of scope uncommitted.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase &database) : database(database) {}
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool Begin(QString *problem);
    bool Commit(QString *problem);

private:
    QSqlDatabase database;
    bool open = false;
};

} // namespace vk220::results
