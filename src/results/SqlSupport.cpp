#include "results/SqlSupport.h"

#include <QAtomicInteger>
#include <QSqlError>

namespace vk220::results {

bool Execute(QSqlQuery &query, const QString &sql, const QVariantList &values, QString *problem) {
    if (!query.prepare(sql)) {
        if (problem)
            *problem = query.lastError().text();
        return false;
    }
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        if (problem)
            *problem = query.lastError().text();
        return false;
    }
    return true;
}

bool Execute(const QSqlDatabase &database, const QString &sql, QString *problem) {
    QSqlQuery query(database);
    if (!query.exec(sql)) {
        if (problem)
            *problem = query.lastError().text();
        return false;
    }
    return true;
}

bool IsServer(const QSqlDatabase &database) {
    return database.driverName() == QLatin1String("QPSQL");
}

Transaction::~Transaction() {
    if (open)
        Execute(database, QStringLiteral("ROLLBACK"), nullptr);
}

bool Transaction::Begin(QString *problem) {
    open = Execute(database,
                   IsServer(database) ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"),
                   problem);
    return open;
}

bool Transaction::Commit(QString *problem) {
    if (!Execute(database, QStringLiteral("COMMIT"), problem))
        return false;
    open = false;
    return true;
}

namespace {

QAtomicInteger<int> connections;

} // namespace

NamedConnection::NamedConnection()
    : name(QStringLiteral("results-%1").arg(connections.fetchAndAddRelaxed(1))) {}

NamedConnection::~NamedConnection() {
    {
        QSqlDatabase database = Database();
        if (database.isValid())
            database.close();
    }
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
}

} // namespace vk220::results
