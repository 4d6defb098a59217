#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace vk220::results {

// Where the results are kept: the embedded SQLite file of one bench, or the laboratory's
// PostgreSQL server, named by a URL in libpq's form:
//   postgresql://[user@][host][:port]/[database][?key=value&...]
// Everything left out is libpq's to find as it always does (PGHOST, PGUSER, ..., a service from
// the service file with ?service=NAME); the password only ever from libpq's password file or
// environment, never from the URL. The URL's other keys (sslmode, sslrootcert, ...) are libpq's.
struct StoreLocation {
    enum class Kind { Embedded, Server };

    Kind kind = Kind::Embedded;
    // The embedded file; for a server, the bench's own spool, where results wait while the
    // server cannot be reached.
    QString path;
    QString host;
    int port = -1;
    QString user;
    QString database;
    QStringList options; // libpq's "key=value" from the URL's query
    QString text;        // as given, for messages

    // A path (or file: URL) names the embedded file, a postgresql: or postgres: URL the server.
    static std::optional<StoreLocation> Parse(const QString &text, QString *problem);
};

// The results setting, in order: the one chosen for this process (the command line's
// --results), the "results" key of the laboratory's settings file, the embedded file
// results.sqlite in the user's data folder.
QString ResultsSetting();
void ChooseResults(const QString &setting);
// This bench's name: the "bench" key of the laboratory's settings file, else the host name.
QString BenchName();
// The spool of a bench whose results go to the server: results-spool.sqlite in the user's data
// folder.
QString DefaultSpoolPath();

// Adds and opens the connection `name` on the location's database: the file with a busy timeout,
// or the server with bounded connect and statement timeouts (a dead server costs a few seconds,
// never more). False with the driver's message otherwise.
bool OpenDatabase(const StoreLocation &location, const QString &name, QString *problem);

} // namespace vk220::results
