#include "results/SqlSupport.h"

#include <QSqlError>

namespace vk220::results {

bool Execute(QSqlQuery &query, const QString &sql, const QVariantList &values, QString *problem) {
    if (!query.prepare(sql)) {
        *problem = query.lastError().text();
        return false;
    }
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *problem = query.lastError().text();
        return false;
    }
    return true;
}

bool Execute(const QSqlDatabase &database, const QString &sql, QString *problem) {
    QSqlQuery query(database);
    if (!query.exec(sql)) {
        *problem = query.lastError().text();
        return false;
    }
    return true;
}

Transaction::~Transaction() {
    if (open) {
        QString ignored;
        Execute(database, QStringLiteral("ROLLBACK"), &ignored);
    }
}

bool Transaction::Begin(QString *problem) {
    open = Execute(database, QStringLiteral("BEGIN IMMEDIATE"), problem);
    return open;
}

bool Transaction::Commit(QString *problem) {
    if (!Execute(database, QStringLiteral("COMMIT"), problem))
        return false;
    open = false;
    return true;
}

} // namespace vk220::results
