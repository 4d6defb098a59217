#include "results/StoreLocation.h"

#include "results/LabSettings.h"
#include "results/SqlSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>
#include <QUrlQuery>

namespace vk220::results {

namespace {

// Seconds: connecting to a server that does not answer, and a statement it does not finish; the
// keepalives and the TCP user timeout notice a server that went away under an open connection.
const QString ServerTimeouts =
    QStringLiteral("connect_timeout=3;keepalives_idle=2;keepalives_interval=1;keepalives_count=2;"
                   "tcp_user_timeout=3000");
const char *const StatementTimeout = "SET statement_timeout = 5000";

QString &Chosen() {
    static QString setting;
    return setting;
}

QString DataFile(const char *name) {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QLatin1String(name));
}

bool OpenFile(QSqlDatabase database, const QString &path, QString *problem) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *problem = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database.open()) {
        *problem = QStringLiteral("%1: %2").arg(path, database.lastError().text());
        return false;
    }
    for (const char *pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"})
        if (!Execute(database, QLatin1String(pragma), problem))
            return false;
    return true;
}

} // namespace

std::optional<StoreLocation> StoreLocation::Parse(const QString &text, QString *problem) {
    StoreLocation location;
    location.text = text;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres")) {
        location.path = scheme == QLatin1String("file") ? url.toLocalFile() : text;
        if (location.path.isEmpty()) {
            *problem = QStringLiteral("no results file in \"%1\"").arg(text);
            return std::nullopt;
        }
        return location;
    }
    if (!url.isValid() || !url.password().isEmpty()) {
        *problem = url.isValid()
                       ? QStringLiteral("the results URL holds a password: keep it in "
                                        "the password file (~/.pgpass) instead")
                       : QStringLiteral("\"%1\" is no URL: %2").arg(text, url.errorString());
        return std::nullopt;
    }
    location.kind = Kind::Server;
    location.path = DefaultSpoolPath();
    location.host = url.host();
    location.port = url.port();
    location.user = url.userName();
    location.database = url.path().mid(1);
    location.text = url.toString(QUrl::RemoveQuery);
    for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("password") || value.contains(QLatin1Char(';'))) {
            *problem = key == QLatin1String("password")
                           ? QStringLiteral("the results URL holds a password: keep it in the "
                                            "password file (~/.pgpass) instead")
                           : QStringLiteral("the results URL's %1 holds a \";\"").arg(key);
            return std::nullopt;
        }
        QString quoted = value;
        quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\''), QLatin1String("\\'"));
        location.options.append(QStringLiteral("%1='%2'").arg(key, quoted));
    }
    return location;
}

QString ResultsSetting() {
    if (!Chosen().isEmpty())
        return Chosen();
    LabSettings lab;
    QString problem;
    if (ReadLabSettings(DefaultLabSettingsPath(), &lab, &problem) && !lab.results.isEmpty())
        return lab.results;
    return DataFile("results.sqlite");
}

QString BenchName() {
    LabSettings lab;
    QString problem;
    if (ReadLabSettings(DefaultLabSettingsPath(), &lab, &problem) && !lab.bench.isEmpty())
        return lab.bench;
    return QSysInfo::machineHostName();
}

void ChooseResults(const QString &setting) {
    Chosen() = setting;
}

QString DefaultSpoolPath() {
    return DataFile("results-spool.sqlite");
}

bool OpenDatabase(const StoreLocation &location, const QString &name, QString *problem) {
    if (location.kind == StoreLocation::Kind::Embedded)
        return OpenFile(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), location.path,
                        problem);
    QSqlDatabase database = QSqlDatabase::contains(name)
                                ? QSqlDatabase::database(name, false)
                                : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (!database.isValid()) {
        *problem = QStringLiteral("Qt's PostgreSQL driver is missing (libqt6sql6-psql)");
        return false;
    }
    database.close();
    database.setHostName(location.host);
    database.setPort(location.port);
    database.setUserName(location.user);
    database.setDatabaseName(location.database);
    database.setConnectOptions((QStringList{ServerTimeouts} + location.options).join(';'));
    if (!database.open()) {
        *problem = database.lastError().text().trimmed();
        return false;
    }
    return Execute(database, QLatin1String(StatementTimeout), problem);
}

} // namespace vk220::results
