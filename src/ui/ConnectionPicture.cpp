#include "ui/ConnectionPicture.h"

#include <QPainter>
#include <QSvgRenderer>

// The resource file lives in a static library and is registered explicitly, from the global
// namespace, where Q_INIT_RESOURCE declares its registration function.
static void InitConnection() {
    Q_INIT_RESOURCE(connection);
}

namespace vk220::ui {

namespace {

// The adapter's output terminals and clamp coils, in the picture's coordinates.
const QRectF AdapterOutputs(110, 380, 670, 120);
QRectF Terminal(int index) {
    return QRectF(141 + 45 * index, 424, 18, 46);
}
QRectF Coil(double centre) {
    return QRectF(centre - 26, 414, 52, 74);
}

QList<QRectF> RingsOf(ConnectionPicture::Part part) {
    switch (part) {
    case ConnectionPicture::Part::VoltageTerminals:
        return {Terminal(0), Terminal(1)};
    case ConnectionPicture::Part::CurrentTerminals:
        return {Terminal(2), Terminal(3)};
    case ConnectionPicture::Part::HighCurrentTerminals:
        return {Terminal(4), Terminal(3)};
    case ConnectionPicture::Part::InsulationTerminals:
        return {Terminal(5), Terminal(3)};
    case ConnectionPicture::Part::Coil2:
        return {Coil(510)};
    case ConnectionPicture::Part::Coil10:
        return {Coil(600)};
    case ConnectionPicture::Part::Coil50:
        return {Coil(690)};
    }
    return {};
}

} // namespace

ConnectionPicture::ConnectionPicture(QWidget *parent) : QWidget(parent) {
    InitConnection();
    renderer = new QSvgRenderer(Source, this);
    shown = renderer->viewBoxF();
    setAccessibleName(QStringLiteral("Connection diagram: the PC's serial port to the calibrator's "
                                     "RS-232 port, each calibrator output terminal to the adapter "
                                     "input terminal of the same name"));
    setMinimumSize(renderer->defaultSize() / 4);
}

void ConnectionPicture::ShowAdapterOutputs(std::optional<Part> part) {
    shown = AdapterOutputs;
    rings = part ? RingsOf(*part) : QList<QRectF>();
    setMinimumSize((shown.size() * 0.6).toSize());
    update();
}

QRect ConnectionPicture::PictureRect() const {
    const QSize size = shown.size().toSize().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

bool ConnectionPicture::IsValid() const {
    return renderer->isValid();
}

void ConnectionPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    renderer->setViewBox(shown);
    const QRect target = PictureRect();
    renderer->render(&painter, target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 0, 0), 3));
    const double scale = target.width() / shown.width();
    for (const QRectF &ring : rings) {
        const QRectF mapped((ring.x() - shown.x()) * scale + target.x(),
                            (ring.y() - shown.y()) * scale + target.y(), ring.width() * scale,
                            ring.height() * scale);
        painter.drawRoundedRect(mapped, 6, 6);
    }
}

} // namespace vk220::ui
