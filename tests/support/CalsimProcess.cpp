#include "CalsimProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

CalsimProcess::CalsimProcess(const QString &folder, int port, const QStringList &arguments) {
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(CALSIM_PATH),
                  QStringList{QStringLiteral("--port"), QString::number(port)} + arguments);
    const QString link = QDir(folder).filePath(QStringLiteral("COM%1").arg(port));
    ready = process.waitForStarted(10000) &&
            QTest::qWaitFor([&] { return QFileInfo(link).isSymLink(); }, 10000);
}

CalsimProcess::~CalsimProcess() {
    Stop();
}

void CalsimProcess::Stop() {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

QStringList CalsimProcess::LoggedLines(const QString &logFile) {
    QFile file(logFile);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            lines.append(QString::fromLatin1(line.mid(line.indexOf(' ') + 1)));
    }
    return lines;
}
