#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vk220::ui {

class StatusNotices;

// The window services of the main window that every function window uses when it opens and
// closes.
class FunctionHost {
public:
    // The lines of ReleaseAdapter, in order.
    static inline const QStringList ReleaseCommands{
        QStringLiteral("p16777216"), QStringLiteral("p0"), QStringLiteral("R1/O0/S1/# PC Control")};

    virtual ~FunctionHost() = default;
    // Centres the window being loaded in the work area and gives it the function background.
    virtual void PlaceFunctionWindow(QWidget &window) = 0;
    // Hands the adapter and the calibrator back: "p16777216", "p0", "R1/O0/S1/# PC Control".
    virtual void ReleaseAdapter() = 0;
    virtual void SetFunctionControlsEnabled(bool enabled) = 0;
    virtual bool IsWindowOpen(const QString &title) const = 0;
    virtual void CloseCurrentFunction() = 0;
    // Where the work still queued and the clicks not taken are shown.
    virtual StatusNotices &Notices() = 0;
};

} // namespace vk220::ui
