#pragma once

class QApplication;
class QString;

namespace vk220::app {

// The program: the splash for two seconds, calibrator detection, then the main window until it
// closes; then the procedure runner, with `procedure` when one is given, or when a calibration
// was left open. Returns the exit code.
int Main(QApplication &application, const QString &procedure);

} // namespace vk220::app
