#include "runner/Workstation.h"

#include "ui/logic/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vk220::runner {

QString Workstation::Folder() const {
    QString problem;
    const std::optional<results::StoreLocation> location =
        results::StoreLocation::Parse(storePath, &problem);
    return QFileInfo(location ? location->path : storePath).absolutePath();
}

QString Workstation::OpenRunFile() const {
    return QDir(Folder()).filePath(QStringLiteral("open-run.txt"));
}

QString Workstation::StoreState() {
    QString problem;
    const std::optional<results::StoreLocation> location =
        results::StoreLocation::Parse(storePath, &problem);
    results::ResultStore *opened = Store(&problem);
    if (!location || !opened)
        return QStringLiteral("Results: not kept (%1)").arg(problem);
    if (location->kind == results::StoreLocation::Kind::Embedded)
        return QStringLiteral("Results: %1").arg(QFileInfo(location->path).fileName());
    const results::ServerState state = opened->State();
    if (state.reachable && state.waiting == 0)
        return QStringLiteral("Results: laboratory server");
    return QStringLiteral("Results: server away, %1 run(s) waiting on this bench")
        .arg(state.waiting);
}

void Workstation::NoticesTo(ui::MessageBoxes &boxes) {
    if (!notice)
        notice = [&boxes](const QString &text) {
            boxes.Inform(ServerTitle, text);
        };
}

void Workstation::SendWaiting() {
    if (store && store->State().waiting > 0)
        store->Flush();
}

results::ResultStore *Workstation::Store(QString *problem) {
    if (store)
        return store.get();
    auto opened = std::make_unique<results::ResultStore>(storePath);
    opened->SetNotice([this](const QString &text) {
        if (notice)
            notice(text);
    });
    if (!opened->Open(problem))
        return nullptr;
    store = std::move(opened);
    return store.get();
}

bool Workstation::HasOpenRun() {
    QString problem;
    const results::ResultStore *opened = Store(&problem);
    return opened && opened->OpenRun();
}

results::LabSettings Workstation::Lab(QString *problem) const {
    results::LabSettings lab;
    if (!results::ReadLabSettings(labPath, &lab, problem))
        return {};
    return lab;
}

QString Workstation::OpenRunProcedure(qint64 run) const {
    QFile file(OpenRunFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.size() < 2 || lines.at(0).toLongLong() != run)
        return {};
    return lines.at(1);
}

void Workstation::KeepOpenRunProcedure(qint64 run, const QString &path) const {
    QSaveFile file(OpenRunFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    file.write(
        QStringLiteral("%1\n%2\n").arg(run).arg(QFileInfo(path).absoluteFilePath()).toUtf8());
    file.commit();
}

QString Workstation::CertificatePath(const QString &number) const {
    const QDir folder(QDir(Folder()).filePath(QStringLiteral("certificates")));
    folder.mkpath(QStringLiteral("."));
    return folder.filePath(number + QStringLiteral(".pdf"));
}

} // namespace vk220::runner
