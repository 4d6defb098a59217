#include "functions/diagram/ConnectionPicture.h"

#include <QPainter>
#include <QSvgRenderer>

// The resource file lives in a static library and is registered explicitly, from the global
// namespace, where Q_INIT_RESOURCE declares its registration function.
static void InitDiagram() {
    Q_INIT_RESOURCE(diagram);
}

namespace vk220::diagram {

ConnectionPicture::ConnectionPicture(QWidget *parent) : QWidget(parent) {
    // The picture lives in a static library: its resource file is registered explicitly.
    InitDiagram();
    renderer = new QSvgRenderer(Source, this);
    setAccessibleName(QStringLiteral("Connection diagram: the PC's serial port to the calibrator's "
                                     "RS-232 port, each calibrator output terminal to the adapter "
                                     "input terminal of the same name"));
    setMinimumSize(renderer->defaultSize() / 4);
}

QRect ConnectionPicture::PictureRect() const {
    const QSize size = renderer->defaultSize().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

bool ConnectionPicture::IsValid() const {
    return renderer->isValid();
}

void ConnectionPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    renderer->render(&painter, PictureRect());
}

} // namespace vk220::diagram
