#pragma once

#include <QLabel>

// The "SMPL" indicator of a polling window, named `SampleLab`: hidden until the reading cycle
// shows it while a reading is under way.
class SampleIndicator final : public QLabel {
    Q_OBJECT
public:
    explicit SampleIndicator(QWidget *parent = nullptr);
};
