#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

namespace vk220::results {

// The certificate's pages as they fill, top to bottom, in points (the writer at 72 dots an inch).
// The same content is laid out twice: first without a painter, only to count the pages, then
// painted, with "Page n of m" at the foot of each page.
class CertificatePages {
public:
    // `painter` null: count only. `total`: the pages the count found (0 while counting).
    CertificatePages(QPdfWriter *writer, QPainter *painter, const QString &number, int total);

    double Width() const { return writer->width(); }
    double Top() const { return y; }
    // Begins a new page unless `height` more fits on this one; true when it began one.
    bool Need(double height);
    void Skip(double height) { y += height; }
    // A paragraph wrapped to the width (or to `width` from `left`); it moves down by its height.
    void Paragraph(const QString &text, const QFont &font, int flags = Qt::AlignLeft,
                   double left = 0.0, double width = 0.0);
    // The height the paragraph would take.
    double Height(const QString &text, const QFont &font, double width = 0.0) const;
    // One line of cells, each in its share of the width (shares sum to 1), with a rule under it.
    void Row(const QStringList &cells, const QList<double> &shares, const QFont &font);
    void Picture(const QString &file, const QRectF &box);
    void Line(double left, double right, double at);
    // Ends the last page; the number of pages.
    int Finish();

private:
    void Footer();

    QPdfWriter *writer;
    QPainter *painter;
    QString number;
    int total;
    int page = 1;
    double y = 0.0;
};

} // namespace vk220::results
