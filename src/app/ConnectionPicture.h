#pragma once

#include <QWidget>

// The connection diagram: the PC, the serial cable, the calibrator with its output terminals,
// and the adapter with its terminals and its clamp coils of 2, 10 and 50 turns.
class ConnectionPicture final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};
