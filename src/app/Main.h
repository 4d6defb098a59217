#pragma once

class QApplication;

namespace vk220::app {

// The program: the splash for two seconds, calibrator detection, then the main window until it
// closes. Returns the exit code.
int Main(QApplication &application);

} // namespace vk220::app
