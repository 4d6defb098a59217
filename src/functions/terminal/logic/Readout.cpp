#include "functions/terminal/logic/Readout.h"

#include "functions/terminal/logic/AmplitudeRanges.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/FormatNumberText.h"
#include "functions/terminal/logic/OutputFamily.h"
#include "functions/terminal/logic/TerminalButtons.h"
#include "link/NumberText.h"

#include <cmath>

namespace vk220::terminal {

namespace Readout {

QString Text(QStringView rangeCommand, double outputValue, int coilTurns) {
    const AmplitudeRange *range = AmplitudeRanges::FindByCommand(rangeCommand);
    const double scale = range != nullptr ? range->readoutScale : 0.0;
    const QStringView mask = range != nullptr ? range->mask : QStringView();
    const QStringView unit = range != nullptr ? range->unit : QStringView();
    const QString number = link::NumberText::General(std::fabs(outputValue * coilTurns) * scale);
    const QString sign = outputValue < 0 ? QStringLiteral("-") : QString();
    return sign + FormatNumberText(number, mask) + unit.toString();
}

QString HistoryEntry(QStringView display, QStringView frequency, OutputPoint point) {
    QString entry = display.toString() + QStringLiteral(" : ") + frequency.toString();
    if (point != OutputPoint::None)
        entry += QStringLiteral(" (") + TerminalButtons::PointName(point) + u')';
    return entry;
}

Amplitude PresentAmplitude(const QString &display, double outputValue, OutputPoint selected) {
    const int turns = OutputPoints::CoilTurns(selected);
    const OutputFamily shown = FamilyOfUnit(ConVal(display).unit);
    if (selected == OutputPoint::Voltage && shown == OutputFamily::Current)
        return {QStringLiteral("0V"), 1, false};
    if (selected != OutputPoint::None && selected != OutputPoint::Voltage &&
        shown == OutputFamily::Voltage)
        return {QStringLiteral("0A"), turns, false};
    if (shown == OutputFamily::Voltage)
        return {link::NumberText::General(outputValue) + u'V', turns};
    if (shown == OutputFamily::Current)
        return {link::NumberText::General(outputValue) + u'A', turns};
    return {display, turns};
}

} // namespace Readout

} // namespace vk220::terminal
