#include "Readout.h"

#include "AmplitudeRanges.h"
#include "ConVal.h"
#include "FormatNumberText.h"
#include "NumberText.h"
#include "OutputFamily.h"

#include <cmath>

namespace Readout {

QString Text(QStringView rangeCommand, double outputValue, int coilTurns) {
    const AmplitudeRange *range = AmplitudeRanges::FindByCommand(rangeCommand);
    const double scale = range != nullptr ? range->readoutScale : 0.0;
    const QStringView mask = range != nullptr ? range->mask : QStringView();
    const QStringView unit = range != nullptr ? range->unit : QStringView();
    const QString number = NumberText::General(std::fabs(outputValue * coilTurns) * scale);
    const QString sign = outputValue < 0 ? QStringLiteral("-") : QString();
    return sign + FormatNumberText(number, mask) + unit.toString();
}

QString HistoryEntry(QStringView display, QStringView frequency) {
    return display.toString() + QStringLiteral(" : ") + frequency.toString();
}

Amplitude FromDisplay(const QString &display, OutputPoint selected) {
    const int turns = OutputPoints::CoilTurns(selected);
    const OutputFamily shown = FamilyOfUnit(ConVal(display).unit);
    if (selected == OutputPoint::Voltage && shown == OutputFamily::Current)
        return {QStringLiteral("0V"), 1, false};
    if (selected != OutputPoint::None && selected != OutputPoint::Voltage &&
        shown == OutputFamily::Voltage)
        return {QStringLiteral("0A"), turns, false};
    if (turns == 1)
        return {display, 1};
    // Taken back with its prefix: a "10.0000mA" readout is 5 mA a turn, never 5 A.
    return {NumberText::General(ConVal(display).value / turns) + u'A', turns};
}

} // namespace Readout
