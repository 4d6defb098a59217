#pragma once

#include <QString>

namespace vk220::ui {

// What the main window tells the operator of the clicks on the function windows: the work still
// to be done, and a click that was not taken. Nothing a window is asked for is queued or dropped
// out of sight.
class StatusNotices {
public:
    virtual ~StatusNotices() = default;
    // The operator's actions of the open window that have not ended: those waiting and the one
    // running; 0 once its queue has drained.
    virtual void ShowPending(int actions) = 0;
    // A click that could not be carried out now, and why.
    virtual void ShowRefused(const QString &message) = 0;
};

} // namespace vk220::ui
