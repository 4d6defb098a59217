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

// Whether the database is the laboratory's server (PostgreSQL) rather than the embedded file.
bool IsServer(const QSqlDatabase &database);

// A write transaction: on the embedded file an immediate one, locked for writing from Begin, so
// that two programs completing runs at once take certificate numbers one after the other (the
// server locks the sequence's row instead). Rolled back when it goes out of scope uncommitted.
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

// A named Qt SQL connection, closed and removed when this ends.
class NamedConnection {
public:
    // "results-<n>", unique in the process.
    NamedConnection();
    ~NamedConnection();
    NamedConnection(const NamedConnection &) = delete;
    NamedConnection &operator=(const NamedConnection &) = delete;

    QSqlDatabase Database() const { return QSqlDatabase::database(name, false); }
    const QString name;
};

} // namespace vk220::results
