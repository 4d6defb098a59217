#pragma once

#include <QTimer>
#include <QWidget>

class QProgressBar;

namespace vk220::app {

// The progress window of start-up ("Initialising Calibrator...") and exit ("Releasing
// Calibrator..."). The bar shows time spent, not work done: it moves only while window events
// are serviced, that is inside the reply waits of the link.
class ProgForm final : public QWidget {
    Q_OBJECT
public:
    explicit ProgForm(const QString &title, QWidget *parent = nullptr);

    // The outer size of the window, frame included.
    static QSize DesignSize();
    // One tick of ProgTimer; tests call it instead of waiting.
    void Tick();

private:
    QProgressBar *bar;
    QTimer progTimer;
};

} // namespace vk220::app
