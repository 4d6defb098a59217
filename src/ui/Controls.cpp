#include "ui/Controls.h"

#include "ui/FocusBorder.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPalette>
#include <QWidget>

namespace vk220::ui {

namespace {
// The back colour set by SetBackColour is kept as a property, so that it reads back exactly
// whatever the style does with the palette.
constexpr char BackColourProperty[] = "backColour";
} // namespace

namespace Controls {

void Name(QWidget &control, const QString &name) {
    control.setObjectName(name);
    control.setAccessibleDescription(name);
}

QString ArrayName(const QString &array, int index) {
    return QStringLiteral("%1_%2").arg(array).arg(index);
}

void SetBackColour(QWidget &control, const QColor &colour) {
    control.setProperty(BackColourProperty, colour);
    if (!colour.isValid()) {
        control.setPalette(QPalette());
        control.setAutoFillBackground(false);
        return;
    }
    FocusBorder::Watch(control);
    QPalette palette = control.palette();
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

QColor BackColour(const QWidget &control) {
    return control.property(BackColourProperty).value<QColor>();
}

bool HasBackColour(const QWidget &control, const QColor &colour) {
    return BackColour(control) == colour;
}

void SetSelected(QWidget &control, bool selected) {
    SetBackColour(control, selected ? SelectedColour : QColor());
}

bool IsSelected(const QWidget &control) {
    return HasBackColour(control, SelectedColour);
}

QLabel *BoldLabel(const QString &text, int pointSize, const QString &name, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        Name(*label, name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void CloseWindow(QWidget &window) {
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window.parentWidget()))
        frame->close();
    else
        window.close();
}

} // namespace Controls

} // namespace vk220::ui
