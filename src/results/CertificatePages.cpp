#include "results/CertificatePages.h"

#include <QFontMetricsF>
#include <QImage>

namespace vk220::results {

namespace {

constexpr double FooterHeight = 24.0;
constexpr double RowPadding = 3.0;

QFont Small() {
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without shaping, no ligatures: the PDF's text reads back letter by letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(7.5);
    return font;
}

} // namespace

CertificatePages::CertificatePages(QPdfWriter *writer, QPainter *painter, const QString &number,
                                   int total)
    : writer(writer), painter(painter), number(number), total(total) {}

bool CertificatePages::Need(double height) {
    if (y + height <= writer->height() - FooterHeight)
        return false;
    Footer();
    if (painter)
        writer->newPage();
    ++page;
    y = 0.0;
    Paragraph(QStringLiteral("Certificate %1 (continued)").arg(number), Small(), Qt::AlignRight);
    Skip(6.0);
    return true;
}

void CertificatePages::Paragraph(const QString &text, const QFont &font, int flags, double left,
                                 double width) {
    if (width <= 0.0)
        width = Width() - left;
    const double height = Height(text, font, width);
    if (painter) {
        painter->setFont(font);
        painter->drawText(QRectF(left, y, width, height), flags | Qt::TextWordWrap, text);
    }
    y += height;
}

double CertificatePages::Height(const QString &text, const QFont &font, double width) const {
    if (width <= 0.0)
        width = Width();
    const QFontMetricsF metrics(font, writer);
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

void CertificatePages::Row(const QStringList &cells, const QList<double> &shares,
                           const QFont &font) {
    const double height = QFontMetricsF(font, writer).height() + 2 * RowPadding;
    if (painter) {
        painter->setFont(font);
        double left = 0.0;
        for (qsizetype i = 0; i < cells.size() && i < shares.size(); ++i) {
            const double width = shares.at(i) * Width();
            painter->drawText(QRectF(left + 2.0, y + RowPadding, width - 4.0, height),
                              Qt::AlignLeft | Qt::AlignTop, cells.at(i));
            left += width;
        }
    }
    y += height;
    Line(0.0, Width(), y);
}

void CertificatePages::Picture(const QString &file, const QRectF &box) {
    if (!painter || file.isEmpty())
        return;
    const QImage image(file);
    if (image.isNull())
        return;
    const QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    painter->drawImage(QRectF(box.topLeft(), size), image);
}

void CertificatePages::Line(double left, double right, double at) {
    if (painter) {
        painter->setPen(QPen(Qt::black, 0.5));
        painter->drawLine(QPointF(left, at), QPointF(right, at));
    }
}

int CertificatePages::Finish() {
    Footer();
    return page;
}

void CertificatePages::Footer() {
    if (!painter)
        return;
    const double at = writer->height() - FooterHeight + 8.0;
    Line(0.0, Width(), at - 4.0);
    painter->setFont(Small());
    painter->drawText(QRectF(0, at, Width(), FooterHeight - 8.0), Qt::AlignLeft,
                      QStringLiteral("Certificate %1").arg(number));
    painter->drawText(QRectF(0, at, Width(), FooterHeight - 8.0), Qt::AlignRight,
                      QStringLiteral("Page %1 of %2").arg(page).arg(total));
}

} // namespace vk220::results
