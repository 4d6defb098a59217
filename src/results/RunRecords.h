#pragma once

#include "procedures/Procedure.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace vk220::results {

// Where a calibration stands: under way (or left so by a crash), finished with a certificate, or
// given up before its last point.
enum class RunState { Open, Complete, Incomplete };
enum class Verdict { Pass, Fail, Skipped };
// A point is taken as found, before any adjustment, and again as left, after it.
enum class Phase { AsFound, AsLeft };

// The instrument under test and whose it is.
struct Uut {
    QString make;
    QString model;
    QString serial;
    QString assetId;
    QString customer;
};

// The laboratory's conditions while the run was taken.
struct Environment {
    double temperature = 23.0; // °C
    double humidity = 45.0;    // % relative humidity
};

// The standards the results are traceable through.
struct Standards {
    QString calibrator; // the calibrator's identification, as it answered
    QString adapter;
};

// One calibration of one UUT by one procedure.
struct CalibrationRun {
    qint64 id = 0; // the store's, 0 before it is stored
    QString procedureId;
    QString procedureRevision;
    QString procedureTitle;
    QString procedureHash; // SHA-256 of the procedure file, in hex
    Uut uut;
    QString operatorName;
    QDateTime started;
    QDateTime ended; // invalid while open
    Environment environment;
    Standards standards;
    RunState state = RunState::Open;
    std::optional<Verdict> verdict; // of the whole run, once complete
    QString certificate;            // its number, once complete
    QString decisionRule;           // the rule its results were judged by, as the certificate
                                    // states it; the laboratory's present one when empty
    QString bench;                  // the bench it was taken on; the store's own when left empty
    QString key; // its identity across the laboratory (a UUID), given by the store
};

// The result of one test point in one phase.
struct PointResult {
    int index = 0; // the point's place in its procedure, from 0
    Phase phase = Phase::AsFound;
    double nominal = 0.0;
    QString unit;
    std::optional<double> reading; // none when skipped
    std::optional<double> error;   // reading minus nominal
    double low = 0.0;
    double high = 0.0;
    Verdict verdict = Verdict::Skipped;
    QString reason; // why it was skipped
    QDateTime taken;
    // The expanded measurement uncertainty a guard band narrowed the limits by, on either side;
    // 0 for simple acceptance.
    double uncertainty = 0.0;
};

// A reading judged by simple acceptance: PASS when it lies within the point's limits, both
// included, FAIL otherwise. With a guard band, `uncertainty` narrows the limits on either side
// for the verdict; the limits recorded stay the point's.
PointResult Judge(const procedures::TestPoint &point, int index, Phase phase, double reading,
                  const QDateTime &taken, double uncertainty = 0.0);
// A point not taken, with the reason.
PointResult Skip(const procedures::TestPoint &point, int index, Phase phase, const QString &reason,
                 const QDateTime &taken);

// The header of a run of `procedure`, its file's hash taken; the rest is the caller's.
CalibrationRun RunOf(const procedures::Procedure &procedure);
// The SHA-256 of the file's bytes in hex; empty when it cannot be read.
QString FileHash(const QString &path);

// The names used in the store and the exports: "open", "PASS", "as-found", ...
QString StateName(RunState state);
QString VerdictName(Verdict verdict);
QString PhaseName(Phase phase);
std::optional<RunState> StateNamed(const QString &name);
std::optional<Verdict> VerdictNamed(const QString &name);
std::optional<Phase> PhaseNamed(const QString &name);

// A value with an SI prefix and its unit, six significant digits: "100 MΩ", "-1.5 mA", "0 V".
QString ValueText(double value, const QString &unit);

} // namespace vk220::results
