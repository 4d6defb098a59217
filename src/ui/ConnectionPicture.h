#pragma once

#include <QList>
#include <QRectF>
#include <QWidget>

#include <optional>

class QSvgRenderer;

namespace vk220::ui {

// The connection diagram: the PC, the serial cable, the calibrator with its output terminals,
// and the adapter with its terminals and its clamp coils of 2, 10 and 50 turns. Drawn from the
// picture in the program's resources, as large as the widget allows without distortion: the
// whole of it (the diagram window), or the adapter's outputs with the part a connection concerns
// ringed (the procedure runner).
class ConnectionPicture final : public QWidget {
    Q_OBJECT
public:
    static inline const QString Source = QStringLiteral(":/connection-diagram.svg");

    // The adapter's outputs a connection may concern.
    enum class Part {
        VoltageTerminals,     // V HI and V LO
        CurrentTerminals,     // mA and COM
        HighCurrentTerminals, // 10A and COM
        InsulationTerminals,  // INS and COM
        Coil2,
        Coil10,
        Coil50,
    };

    explicit ConnectionPicture(QWidget *parent = nullptr);

    // Shows the adapter's outputs only, with `part` ringed; nothing ringed without one.
    void ShowAdapterOutputs(std::optional<Part> part);
    // The diagram's own coordinates of what is ringed; empty when nothing is.
    const QList<QRectF> &Rings() const { return rings; }

    // Where the picture is drawn: centred, keeping its proportions.
    QRect PictureRect() const;
    bool IsValid() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *renderer;
    QRectF shown;
    QList<QRectF> rings;
};

} // namespace vk220::ui
