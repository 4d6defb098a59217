#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace vk220::ui {

// Naming, colours and sizes shared by every window.
namespace Controls {

// The selected-choice colour of range, resistance, terminal and coil buttons.
inline const QColor SelectedColour(128, 255, 128);
// The stand-by button while the output is in stand-by.
inline const QColor StandbyColour(255, 128, 128);
// The NULL button while a null offset is applied.
inline const QColor NullColour(255, 128, 0);

// Gives a control its name as objectName and as accessible description.
void Name(QWidget &control, const QString &name);
// The name of element `index` of the control array `array`: "FuncBut_3".
QString ArrayName(const QString &array, int index);

// Sets a control's back colour; an invalid colour gives back the style's own. A coloured control
// shows its keyboard focus with a dark border (FocusBorder).
void SetBackColour(QWidget &control, const QColor &colour);
QColor BackColour(const QWidget &control);
// True when the control's back colour is `colour` (set with SetBackColour).
bool HasBackColour(const QWidget &control, const QColor &colour);

void SetSelected(QWidget &control, bool selected);
bool IsSelected(const QWidget &control);

// A bold, centred label of the given point size; named when `name` is given.
QLabel *BoldLabel(const QString &text, int pointSize, const QString &name = {},
                  QWidget *parent = nullptr);

// Closes a window, with its frame when it is a child window of the main window's work area.
void CloseWindow(QWidget &window);

// Positions and sizes are given in twips; 15 twips are one pixel at 96 dpi.
constexpr int Twips(int twips) {
    return twips / 15;
}

} // namespace Controls

} // namespace vk220::ui
