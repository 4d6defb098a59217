#include "results/ResultStore.h"

#include "results/RunTables.h"

namespace vk220::results {

QString ResultStore::DefaultPath() {
    return ResultsSetting();
}

ResultStore::ResultStore(const QString &path) {
    StoreLocation unread;
    unread.path = path;
    Choose(StoreLocation::Parse(path, &unreadable).value_or(unread), BenchName());
}

ResultStore::ResultStore(const StoreLocation &location, const QString &bench) {
    Choose(location, bench);
}

ResultStore::~ResultStore() = default;

void ResultStore::Choose(const StoreLocation &location, const QString &bench) {
    if (location.kind == StoreLocation::Kind::Embedded) {
        backend = std::make_unique<RunTables>(location, bench);
        return;
    }
    auto server = std::make_unique<LabStore>(location, bench);
    lab = server.get();
    backend = std::move(server);
}

bool ResultStore::Open(QString *problem) {
    if (!unreadable.isEmpty()) {
        *problem = unreadable;
        return false;
    }
    return backend->Open(problem);
}

qint64 ResultStore::StartRun(const CalibrationRun &run, QString *problem) {
    return backend->StartRun(run, problem);
}

bool ResultStore::RecordPoint(qint64 run, const PointResult &result, QString *problem) {
    return backend->RecordPoint(run, result, problem);
}

QString ResultStore::Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                              QString *problem) {
    return backend->Complete(run, ended, prefix, problem);
}

bool ResultStore::Abort(qint64 run, const QDateTime &ended, QString *problem) {
    return backend->Abort(run, ended, problem);
}

std::optional<Resumption> ResultStore::OpenRun() const {
    return backend->OpenRun();
}

int ResultStore::NextPoint(qint64 run, Phase phase) const {
    return backend->NextPoint(run, phase);
}

std::optional<CalibrationRun> ResultStore::Run(qint64 id) const {
    return backend->Run(id);
}

std::optional<CalibrationRun> ResultStore::RunByCertificate(const QString &number) const {
    return backend->RunByCertificate(number);
}

QList<PointResult> ResultStore::Points(qint64 run) const {
    return backend->Points(run);
}

QList<CalibrationRun> ResultStore::Find(const CalibrationFilter &filter) const {
    return backend->Find(filter);
}

ServerState ResultStore::Flush() {
    return lab ? lab->Flush() : ServerState{true, 0, {}};
}

ServerState ResultStore::State() const {
    return lab ? lab->State() : ServerState{true, 0, {}};
}

void ResultStore::SetNotice(std::function<void(const QString &)> notice) {
    if (lab)
        lab->SetNotice(std::move(notice));
}

} // namespace vk220::results
