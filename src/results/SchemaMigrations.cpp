#include "results/SchemaMigrations.h"

#include "results/SqlSupport.h"

#include <QStringList>

namespace vk220::results {

namespace {

// Each migration takes the schema from the version before it to its own (its place, from 1).
// A released migration is never changed: a new one is added.
const QList<QStringList> Migrations{
    // 1: the runs, their points and the certificate numbers' sequences.
    {
        QStringLiteral("CREATE TABLE calibration ("
                       "id INTEGER PRIMARY KEY,"
                       "procedure_id TEXT NOT NULL, procedure_revision TEXT NOT NULL,"
                       "procedure_title TEXT NOT NULL, procedure_hash TEXT NOT NULL,"
                       "uut_make TEXT NOT NULL, uut_model TEXT NOT NULL,"
                       "uut_serial TEXT NOT NULL, asset_id TEXT NOT NULL,"
                       "customer TEXT NOT NULL, operator TEXT NOT NULL,"
                       "started TEXT NOT NULL, ended TEXT,"
                       "temperature REAL NOT NULL, humidity REAL NOT NULL,"
                       "calibrator TEXT NOT NULL, adapter TEXT NOT NULL,"
                       "state TEXT NOT NULL CHECK (state IN ('open', 'complete', 'incomplete')),"
                       "verdict TEXT CHECK (verdict IN ('PASS', 'FAIL', 'SKIPPED')),"
                       "certificate TEXT UNIQUE)"),
        QStringLiteral("CREATE TABLE point_result ("
                       "calibration_id INTEGER NOT NULL REFERENCES calibration (id),"
                       "phase TEXT NOT NULL CHECK (phase IN ('as-found', 'as-left')),"
                       "point_index INTEGER NOT NULL,"
                       "nominal REAL NOT NULL, unit TEXT NOT NULL, reading REAL, error REAL,"
                       "low REAL NOT NULL, high REAL NOT NULL,"
                       "verdict TEXT NOT NULL CHECK (verdict IN ('PASS', 'FAIL', 'SKIPPED')),"
                       "reason TEXT NOT NULL, taken TEXT NOT NULL,"
                       "PRIMARY KEY (calibration_id, phase, point_index))"),
        QStringLiteral("CREATE TABLE certificate_sequence ("
                       "prefix TEXT NOT NULL, year INTEGER NOT NULL, last INTEGER NOT NULL,"
                       "PRIMARY KEY (prefix, year))"),
    },
    // 2: the indexes the listing filters by.
    {
        QStringLiteral("CREATE INDEX calibration_serial ON calibration (uut_serial)"),
        QStringLiteral("CREATE INDEX calibration_asset ON calibration (asset_id)"),
        QStringLiteral("CREATE INDEX calibration_customer ON calibration (customer, started)"),
        QStringLiteral("CREATE INDEX calibration_started ON calibration (started)"),
        QStringLiteral("CREATE INDEX calibration_verdict ON calibration (verdict, started)"),
        QStringLiteral("CREATE INDEX calibration_state ON calibration (state)"),
    },
};

} // namespace

int CurrentSchemaVersion() {
    return static_cast<int>(Migrations.size());
}

int SchemaVersionOf(const QSqlDatabase &database, QString *problem) {
    if (!database.tables().contains(QStringLiteral("schema_version")))
        return 0;
    QSqlQuery query(database);
    if (!Execute(query, QStringLiteral("SELECT version FROM schema_version"), {}, problem))
        return -1;
    return query.next() ? query.value(0).toInt() : 0;
}

bool Migrate(const QSqlDatabase &database, const QString &path, QString *problem) {
    const int found = SchemaVersionOf(database, problem);
    if (found < 0)
        return false;
    if (found > CurrentSchemaVersion()) {
        *problem = QStringLiteral("the results database %1 is of schema version %2, newer than "
                                  "this program's %3: use a newer program to open it")
                       .arg(path)
                       .arg(found)
                       .arg(CurrentSchemaVersion());
        return false;
    }
    for (int version = found + 1; version <= CurrentSchemaVersion(); ++version) {
        Transaction transaction(database);
        if (!transaction.Begin(problem))
            return false;
        QStringList statements = Migrations.at(version - 1);
        if (version == 1)
            statements.prepend(QStringLiteral("CREATE TABLE schema_version (version INTEGER)"));
        statements.append(QStringLiteral("DELETE FROM schema_version"));
        statements.append(QStringLiteral("INSERT INTO schema_version VALUES (%1)").arg(version));
        for (const QString &statement : statements) {
            if (!Execute(database, statement, problem)) {
                *problem =
                    QStringLiteral("migration to schema version %1: %2").arg(version).arg(*problem);
                return false;
            }
        }
        if (!transaction.Commit(problem))
            return false;
    }
    return true;
}

} // namespace vk220::results
