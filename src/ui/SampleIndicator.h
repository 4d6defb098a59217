#pragma once

#include <QLabel>

namespace vk220::ui {

// The "SMPL" indicator of a polling window, named `SampleLab`: hidden until the reading cycle
// shows it while a reading is under way. Hidden, it keeps its place in the layout.
class SampleIndicator final : public QLabel {
    Q_OBJECT
public:
    explicit SampleIndicator(QWidget *parent = nullptr);
};

} // namespace vk220::ui
