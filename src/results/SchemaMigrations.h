#pragma once

#include <QSqlDatabase>
#include <QString>

namespace vk220::results {

// The schema version this program writes and reads.
int CurrentSchemaVersion();

// The version kept in the database's `schema_version` table; 0 for an empty database.
int SchemaVersionOf(const QSqlDatabase &database, QString *problem);

// Brings the database up to `target` (the current version unless given), each migration in its
// own transaction with the new version written in it, so that a failure leaves the last complete
// version. On the server, the migrations are the same with the server's types, and a lock held
// for each makes benches starting at once migrate one after the other. A database of a newer
// version than this program's is refused with the reason in `problem`.
bool Migrate(const QSqlDatabase &database, const QString &path, QString *problem,
             int target = CurrentSchemaVersion());

} // namespace vk220::results
