#include "runner/RunSession.h"

#include <QDateTime>
#include <QSet>

namespace vk220::runner {

using results::Verdict;

RunSession::RunSession(results::ResultStore &store, procedures::Procedure procedure)
    : store(store), procedure(std::move(procedure)) {}

bool RunSession::Start(const results::CalibrationRun &header, QString *problem) {
    run = header;
    run.id = store.StartRun(run, problem);
    if (run.id == 0)
        return false;
    phase = results::Phase::AsFound;
    Order();
    return true;
}

void RunSession::Resume(const results::CalibrationRun &open, results::Phase resumed) {
    run = open;
    phase = resumed;
    Order();
}

void RunSession::Order() {
    order.clear();
    QSet<int> taken;
    for (const results::PointResult &result : store.Points(run.id)) {
        if (result.phase == phase)
            taken << result.index;
    }
    if (phase == results::Phase::AsLeft)
        order = Failed();
    for (int i = 0; phase == results::Phase::AsFound && i < procedure.points.size(); ++i)
        order << i;
    step = 0;
    while (step < order.size() && taken.contains(order.at(step)))
        ++step;
}

int RunSession::Index() const {
    return step < order.size() ? order.at(step) : -1;
}

const procedures::TestPoint &RunSession::Point() const {
    return procedure.points.at(Index());
}

std::optional<results::PointResult> RunSession::Accept(double reading, double guard,
                                                       QString *problem) {
    const results::PointResult result =
        results::Judge(Point(), Index(), phase, reading, QDateTime::currentDateTimeUtc(), guard);
    if (!store.RecordPoint(run.id, result, problem))
        return std::nullopt;
    return result;
}

bool RunSession::Skip(const QString &reason, QString *problem) {
    return store.RecordPoint(
        run.id, results::Skip(Point(), Index(), phase, reason, QDateTime::currentDateTimeUtc()),
        problem);
}

QList<int> RunSession::Failed() const {
    QList<int> failed;
    for (const results::PointResult &result : store.Points(run.id)) {
        if (result.phase == results::Phase::AsFound && result.verdict == Verdict::Fail)
            failed << result.index;
    }
    return failed;
}

bool RunSession::BeginAsLeft() {
    if (Failed().isEmpty())
        return false;
    phase = results::Phase::AsLeft;
    Order();
    return true;
}

QString RunSession::Finish(const QString &prefix, QString *problem) {
    const QString number = store.Complete(run.id, QDateTime::currentDateTimeUtc(), prefix, problem);
    if (const std::optional<results::CalibrationRun> stored = store.Run(run.id))
        run = *stored;
    return number;
}

bool RunSession::Abort(QString *problem) {
    return store.Abort(run.id, QDateTime::currentDateTimeUtc(), problem);
}

} // namespace vk220::runner
