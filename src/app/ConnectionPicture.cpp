#include "ConnectionPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The picture is drawn on a fixed 700 x 460 canvas and scaled to the widget.
constexpr QSizeF Canvas(700, 460);
const QColor Outline(40, 40, 40);
const QColor Case(225, 230, 236);
const QColor Blue(0, 97, 165);
const QColor Red(200, 30, 30);

void Box(QPainter &p, const QRectF &r, const QString &caption) {
    p.setPen(QPen(Outline, 2));
    p.setBrush(Case);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(Blue);
    QFont font = p.font();
    font.setBold(true);
    font.setPointSizeF(9);
    p.setFont(font);
    p.drawText(r.adjusted(6, 6, -6, -6), Qt::AlignTop | Qt::AlignHCenter, caption);
}

void Terminal(QPainter &p, const QPointF &centre, const QColor &colour, const QString &label) {
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(colour);
    p.drawEllipse(centre, 7, 7);
    p.setPen(Outline);
    QFont font = p.font();
    font.setBold(false);
    font.setPointSizeF(7);
    p.setFont(font);
    p.drawText(QRectF(centre.x() - 30, centre.y() + 9, 60, 14), Qt::AlignHCenter, label);
}

void Coil(QPainter &p, const QPointF &centre, const QString &label) {
    p.setPen(QPen(QColor(150, 90, 20), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 22, 22);
    p.setPen(Outline);
    p.drawText(QRectF(centre.x() - 30, centre.y() + 26, 60, 14), Qt::AlignHCenter, label);
}

void Cable(QPainter &p, const QPointF &from, const QPointF &to, const QColor &colour) {
    QPainterPath path(from);
    const double midY = (from.y() + to.y()) / 2;
    path.cubicTo(QPointF(from.x(), midY), QPointF(to.x(), midY), to);
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

} // namespace

void ConnectionPicture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const double scale = std::min(width() / Canvas.width(), height() / Canvas.height());
    p.translate((width() - Canvas.width() * scale) / 2, (height() - Canvas.height() * scale) / 2);
    p.scale(scale, scale);

    // The PC and its serial cable to the calibrator.
    Box(p, QRectF(20, 30, 150, 110), QStringLiteral("PC"));
    p.setPen(QPen(Outline, 2));
    p.setBrush(QColor(30, 40, 60));
    p.drawRect(QRectF(40, 60, 110, 60));
    Box(p, QRectF(300, 20, 380, 150), QStringLiteral("MULTI-PRODUCT CALIBRATOR"));
    Cable(p, QPointF(170, 90), QPointF(300, 70), QColor(90, 90, 90));
    p.setPen(Outline);
    p.drawText(QRectF(180, 40, 120, 16), Qt::AlignHCenter, QStringLiteral("RS-232"));

    // The calibrator's output terminals.
    const QList<std::pair<QString, QColor>> outputs{{QStringLiteral("HI"), Red},
                                                    {QStringLiteral("LO"), Qt::black},
                                                    {QStringLiteral("I+"), Red},
                                                    {QStringLiteral("I-"), Qt::black},
                                                    {QStringLiteral("AUX"), QColor(0, 140, 0)}};
    for (int i = 0; i < outputs.size(); ++i)
        Terminal(p, QPointF(360 + i * 65, 130), outputs[i].second, outputs[i].first);

    // The adapter below, wired to the calibrator's terminals.
    Box(p, QRectF(120, 250, 560, 190), QStringLiteral("VK220 WORKSTATION ADAPTER"));
    for (int i = 0; i < outputs.size(); ++i)
        Cable(p, QPointF(360 + i * 65, 137), QPointF(330 + i * 50, 275), outputs[i].second);
    const QStringList terminals{QStringLiteral("V HI"), QStringLiteral("V LO"),
                                QStringLiteral("mA"),   QStringLiteral("COM"),
                                QStringLiteral("10A"),  QStringLiteral("INS")};
    for (int i = 0; i < terminals.size(); ++i)
        Terminal(p, QPointF(160 + i * 48, 400), i % 2 == 0 ? Red : Qt::black, terminals[i]);
    Coil(p, QPointF(480, 380), QStringLiteral("2 turns"));
    Coil(p, QPointF(550, 380), QStringLiteral("10 turns"));
    Coil(p, QPointF(620, 380), QStringLiteral("50 turns"));
}
