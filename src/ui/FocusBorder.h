#pragma once

#include <QColor>
#include <QObject>

class QWidget;

namespace vk220::ui {

// A dark border drawn over a coloured control while it has the keyboard focus. The style draws
// its focus as a thin blue outline that vanishes on the light green of a selected button (and on
// the stand-by and NULL colours); this border shows on any of them. It is drawn when the style
// would draw its own: focus reached from the keyboard.
class FocusBorder final : public QObject {
    Q_OBJECT
public:
    static inline const QColor Colour{20, 20, 20};
    static constexpr int Width = 2;

    // Gives `control` the border, once however often it is asked.
    static void Watch(QWidget &control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusBorder(QWidget &control);
};

} // namespace vk220::ui
