#include "app/StatusField.h"

#include "ui/Controls.h"

namespace vk220::app {

namespace {
// The narrowest a field gets: a few characters and the ellipsis.
const QString Narrowest = QStringLiteral("COM\u2026");
// Room around the text inside the field's frame; one pixel more takes up the rounding of the
// text's width, so that a text that fits is never cut.
constexpr int Padding = 6;
} // namespace

StatusField::StatusField(const QString &name, QWidget *parent) : QLabel(parent) {
    ui::Controls::Name(*this, name);
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The padding stands on both sides: a framed label would otherwise indent its text on the
    // left only.
    setIndent(0);
    setContentsMargins(Padding, 0, Padding, 0);
}

void StatusField::SetText(const QString &text) {
    if (text == whole)
        return;
    whole = text;
    setToolTip(text);
    updateGeometry();
    Elide();
}

QSize StatusField::sizeHint() const {
    return Around(fontMetrics().horizontalAdvance(whole));
}

QSize StatusField::minimumSizeHint() const {
    return Around(whole.isEmpty() ? 0 : fontMetrics().horizontalAdvance(Narrowest));
}

QSize StatusField::Around(int textWidth) const {
    // Whatever surrounds the text: the frame, the margins.
    const QSize chrome = size() - contentsRect().size() + QSize(2 * margin(), 2 * margin());
    return QSize(textWidth + 1, fontMetrics().height()) + chrome;
}

void StatusField::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    Elide();
}

void StatusField::Elide() {
    setText(fontMetrics().elidedText(whole, Qt::ElideRight, contentsRect().width()));
}

} // namespace vk220::app
