#pragma once

#include <QWidget>

class QSvgRenderer;

namespace vk220::diagram {

// The connection diagram: the PC, the serial cable, the calibrator with its output terminals,
// and the adapter with its terminals and its clamp coils of 2, 10 and 50 turns. Drawn from the
// picture in the program's resources, as large as the widget allows without distortion.
class ConnectionPicture final : public QWidget {
    Q_OBJECT
public:
    static inline const QString Source = QStringLiteral(":/connection-diagram.svg");

    explicit ConnectionPicture(QWidget *parent = nullptr);

    // Where the picture is drawn: centred, keeping its proportions.
    QRect PictureRect() const;
    bool IsValid() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *renderer;
};

} // namespace vk220::diagram
