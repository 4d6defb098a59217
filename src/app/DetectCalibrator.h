#pragma once

#include <QString>

#include <functional>

class CalibratorLink;
class MainForm;

// Shows the port dialog with a message; false when the operator chose "&Exit".
using AskPort = std::function<bool(const QString &message)>;

// Finds the calibrator: the stored port, else one the operator picks, probed with "T" until a
// reply longer than 50 characters proves a calibrator there (or offline mode is chosen); then
// opens the port for the rest of the run and puts the calibrator under computer control.
// Returns false when the operator left the program from the port dialog.
bool DetectCalibrator(CalibratorLink &link, MainForm &main, const AskPort &askPort);
