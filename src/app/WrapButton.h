#pragma once

#include <QPushButton>

namespace vk220::app {

// A push button whose caption wraps onto several lines, for the narrow function panel.
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vk220::app
