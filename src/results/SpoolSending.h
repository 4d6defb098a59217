#pragma once

#include "results/RunTables.h"

namespace vk220::results {

// The spool of a bench whose results go to the laboratory's server: the embedded store holds
// every run the bench takes, and beside its tables what the server does not have yet: which runs
// it knows by which id, which points wait, and an ending (complete with its prefix, or
// incomplete) not yet sent. Sending is idempotent by the run's key and each point's run, phase
// and index, so that whatever is sent twice (an answer lost with the connection) is on the
// server once.

// Creates the spool's own tables when missing.
bool PrepareSpool(const QSqlDatabase &spool, QString *problem);

// Stores a run or a point in the spool and notes it as waiting, in one transaction.
qint64 SpoolRun(RunTables &spool, const CalibrationRun &run, QString *problem);
bool SpoolPoint(RunTables &spool, qint64 local, const PointResult &result, QString *problem);
// Ends the run in the spool, complete (waiting for its number from the server) or incomplete
// (`prefix` empty).
bool SpoolEnd(RunTables &spool, qint64 local, const QDateTime &ended, const QString &prefix,
              QString *problem);

// Sends what waits of one run, or of every run, to the server; the run's certificate number,
// once the server gave it, is written to the spool's run too.
bool SendRun(RunTables &spool, RunTables &server, qint64 local, QString *problem);
bool SendAll(RunTables &spool, RunTables &server, QString *problem);

// The server's id of the spool's run `local` (0 before it is sent), and the spool's run of the
// server's `id` (0 when the run is no run of this bench's).
qint64 ServerId(const RunTables &spool, qint64 local);
qint64 LocalId(const RunTables &spool, qint64 id);
// How many runs have something not yet on the server.
qsizetype Waiting(const RunTables &spool);

} // namespace vk220::results
