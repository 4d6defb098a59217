#include "results/SqlSupport.h"

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

Transaction::~Transaction() {
    if (open)
        Execute(database, QStringLiteral("ROLLBACK"), nullptr);
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
