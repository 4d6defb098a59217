#pragma once

class QApplication;

// The program: the splash for two seconds, calibrator detection, then the main window until it
// closes. Returns the exit code.
int Main(QApplication &application);
