#include "tests/support/CalsimProcess.h"

#include "sim/HazardReferee.h"
#include "tests/support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace vk220::sim;

CalsimProcess::CalsimProcess(const QString &folder, int port, const QStringList &arguments) {
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(CALSIM_PATH),
                  QStringList{QStringLiteral("--port"), QString::number(port)} + arguments);
    const qsizetype logAt = arguments.indexOf(QStringLiteral("--log"));
    if (logAt >= 0 && logAt + 1 < arguments.size())
        log = QDir(folder).absoluteFilePath(arguments.at(logAt + 1));
    const QString link = QDir(folder).filePath(QStringLiteral("COM%1").arg(port));
    ready = process.waitForStarted(10000) &&
            QTest::qWaitFor([&] { return QFileInfo(link).isSymLink(); }, 10000);
}

CalsimProcess::~CalsimProcess() {
    Stop();
    const QStringList hazards = log.isEmpty() ? QStringList() : LoggedHazards(log);
    if (!hazards.isEmpty())
        qFatal("calsim received hazards:\n%s", qPrintable(hazards.join('\n')));
}

void CalsimProcess::Stop() {
    EndProcess(process);
}

namespace {

const QString HazardTag = QLatin1String(HazardReferee::Label) + QStringLiteral(": ");

} // namespace

QStringList CalsimProcess::LoggedEntries(const QString &logFile) {
    QFile file(logFile);
    QStringList entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &entry : file.readAll().split('\n')) {
        if (!entry.isEmpty())
            entries.append(QString::fromLatin1(entry.mid(entry.indexOf(' ') + 1)));
    }
    return entries;
}

QStringList CalsimProcess::LoggedLines(const QString &logFile) {
    QStringList lines = LoggedEntries(logFile);
    lines.removeIf([](const QString &entry) { return entry.startsWith(HazardTag); });
    return lines;
}

QStringList CalsimProcess::LoggedHazards(const QString &logFile) {
    QStringList hazards;
    for (const QString &entry : LoggedEntries(logFile)) {
        if (entry.startsWith(HazardTag))
            hazards.append(entry.mid(HazardTag.size()));
    }
    return hazards;
}
