#pragma once

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
};

// The file the workstation keeps its laboratory in: lab.conf in the user's data folder.
QString DefaultLabSettingsPath();

// Reads the file at `path`; a missing file gives the defaults. False with "FILE:LINE: ..." in
// `problem` for a line that is no "key = value" or names an unknown key.
bool ReadLabSettings(const QString &path, LabSettings *settings, QString *problem);

} // namespace vk220::results
