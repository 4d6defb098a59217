#include "functions/terminal/logic/TerminalButtons.h"

#include <array>

namespace vk220::terminal {

namespace {

using enum OutputPoint;

constexpr int Common = 1 << 24;

constexpr std::array<TerminalButton, TerminalButtons::Count> buttons{{
    {0, u"2 TURN COIL (to 60A)", Coil2, Common | 1 << 10, u"#2 Turn Coil"},
    {1, u"10 TURN COIL (to 300A)", Coil10, Common | 1 << 9, u"#10 Turn Coil"},
    {2, u"50 TURN COIL (to 1500A)", Coil50, Common | 1 << 11, u"#50 Turn Coil"},
    {3, u"VOLTAGE", Voltage, Common | 1 << 18, u"#Volts Terminals"},
    {4, u"LOW CURRENT (0A to 2A)", LowCurrent, Common | 1 << 17, u"#Low I Terminals"},
    {5, u"HIGH CURRENT (2A to 30A)", HighCurrent, Common | 1 << 16 | 1 << 8, u"#High I Terminals"},
    {6, u"2 TURN COIL (to 60A)", Coil2, Common | 1 << 10, u"#2 Turn Coil"},
    {7, u"10 TURN COIL (to 300A)", Coil10, Common | 1 << 9, u"#10 Turn Coil"},
    {8, u"50 TURN COIL (to 1500A)", Coil50, Common | 1 << 11, u"#50 Turn Coil"},
    {9, u"VOLTAGE TERMINALS", Voltage, Common | 1 << 18, u"#Volts Terminals"},
    {10, u"TERMINALS (to 30A)", LowCurrent, Common | 1 << 17, u"#Low I Terminals"},
}};

} // namespace

namespace TerminalButtons {

std::span<const TerminalButton> All() {
    return buttons;
}

OutputPoint PointOf(int index) {
    return index >= 0 && index < Count ? buttons[static_cast<size_t>(index)].point
                                       : OutputPoint::None;
}

QString PointName(OutputPoint point) {
    if (point == OutputPoint::None)
        return {};
    const QStringView caption = buttons[static_cast<size_t>(point)].caption;
    const qsizetype range = caption.indexOf(QStringLiteral(" ("));
    return (range < 0 ? caption : caption.first(range)).toString();
}

QStringList SelectionCommands(int index) {
    QStringList commands;
    if (index >= 0 && index < Count) {
        const TerminalButton &button = buttons[static_cast<size_t>(index)];
        commands << u'p' + QString::number(button.mask) << button.label.toString();
    }
    commands << QStringLiteral("p0");
    return commands;
}

} // namespace TerminalButtons

} // namespace vk220::terminal
