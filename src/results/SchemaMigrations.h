#pragma once

#include <QSqlDatabase>
#include <QString>

namespace vk220::results {

// The schema version this program writes and reads.
int CurrentSchemaVersion();

// The version kept in the database's `schema_version` table; 0 for an empty database.
int SchemaVersionOf(const QSqlDatabase &database, QString *problem);

// Brings the database up to the current version, each migration in its own transaction with the
// new version written in it, so that a failure leaves the last complete version. A database of a
// newer version than this program's is refused with the reason in `problem`.
bool Migrate(const QSqlDatabase &database, const QString &path, QString *problem);

} // namespace vk220::results
