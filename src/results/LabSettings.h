#pragma once

#include "results/LabUncertainty.h"

#include <QList>
#include <QString>

namespace vk220::results {

// The laboratory as its certificates present it, read from a "key = value" file (keys in the
// folder's README). A key the file leaves out keeps its default.
struct LabSettings {
    QString name = QStringLiteral("Calibration Laboratory");
    QString address; // lines separated by "\n" in the file
    QString accreditation;
    QString logo;                          // a picture file; relative to the settings file's folder
    QString prefix = QStringLiteral("VK"); // of the certificate numbers
    QString traceability = QStringLiteral(
        "The standards used are traceable to national measurement standards through an unbroken "
        "chain of calibrations, each with its stated uncertainty.");
    QString decisionRule = QStringLiteral(
        "Simple acceptance: a result passes when the reading lies within the limits, both "
        "included, without regard to the measurement uncertainty.");
    QString calibratedBy = QStringLiteral("Calibrated by");
    QString approvedBy = QStringLiteral("Approved by");
    // Where this bench keeps its results: the embedded file (empty: results.sqlite in the user's
    // data folder) or the laboratory's server, a postgresql:// URL.
    QString results;
    // This bench's name among the laboratory's; empty: the computer's host name.
    QString bench;
    // "guard band = yes": a result passes only within the limits narrowed on either side by the
    // laboratory's uncertainty for its function and nominal (`uncertainties`).
    bool guardBand = false;
    QList<LabUncertainty> uncertainties;

    // The uncertainty that narrows the limits of `point`: 0 without a guard band.
    double GuardOf(const procedures::TestPoint &point) const {
        return guardBand ? UncertaintyOf(uncertainties, point) : 0.0;
    }
};

// The decision rule a laboratory with a guard band states, unless it writes its own.
inline const QString GuardBandRule = QStringLiteral(
    "Guard band: a result passes when the reading lies within the limits narrowed on either side "
    "by the laboratory's expanded measurement uncertainty (k = 2) for the function and the value, "
    "shown beside each result; otherwise it fails.");

// The file the workstation keeps its laboratory in: lab.conf in the user's data folder.
QString DefaultLabSettingsPath();

// Reads the file at `path`; a missing file gives the defaults. False with "FILE:LINE: ..." in
// `problem` for a line that is no "key = value" or names an unknown key.
bool ReadLabSettings(const QString &path, LabSettings *settings, QString *problem);

} // namespace vk220::results
