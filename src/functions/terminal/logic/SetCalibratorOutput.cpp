#include "functions/terminal/logic/SetCalibratorOutput.h"

#include "functions/terminal/logic/AmplitudeRanges.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/FamilyRanges.h"
#include "link/NumberText.h"

#include <cmath>

namespace vk220::terminal {

namespace {

QString ValueCommand(double value) {
    return u'O' + link::NumberText::Short(value);
}

// Voltage and current: range by magnitude, frequency command at AC, value in the range's unit.
bool PlanAmplitude(const OutputRequest &request, OutputFamily family, double frequency,
                   OutputPlan &plan, QStringList &afterRange) {
    const AmplitudeRange *range =
        AmplitudeRanges::Select(family, std::fabs(plan.OutputValue), request.coilSelected);
    if (range == nullptr)
        return false;
    const bool ac = frequency != 0.0;
    plan.RangeCommand = AmplitudeRanges::Command(*range, ac);
    if (ac)
        plan.frequencyText = u'F' + link::NumberText::Short(frequency);
    if (frequency > 0.0)
        afterRange << plan.frequencyText;
    afterRange << ValueCommand(plan.OutputValue * range->sendScale);
    return true;
}

} // namespace

OutputPlan SetCalibratorOutput(const OutputRequest &request, QString &LastRangeCommand) {
    OutputPlan plan;
    plan.frequencyText = request.frequencyText;
    const double frequency = link::NumberText::LeadingNumber(request.frequencyText);
    const ConValResult parsed = ConVal(request.valueText);
    plan.OutputValue = parsed.value;
    const OutputFamily family = FamilyOfUnit(parsed.unit);

    // Commands that follow the range command; capacitance, inductance and resistance put "I0"
    // before it.
    QStringList beforeRange;
    QStringList afterRange;
    bool fits = std::isfinite(frequency);
    if (fits && (family == OutputFamily::Voltage || family == OutputFamily::Current)) {
        fits = PlanAmplitude(request, family, frequency, plan, afterRange);
    } else if (fits) {
        const auto range = FamilyRanges::Select(family, parsed.value);
        fits = range.has_value();
        if (fits) {
            plan.RangeCommand = range->rangeCommand;
            if (family == OutputFamily::FrequencyOutput)
                afterRange << range->bandCommand;
            else if (family == OutputFamily::Speed)
                afterRange << ValueCommand(parsed.value);
            else
                beforeRange << QStringLiteral("I0");
        }
    }
    if (!fits) {
        plan.RangeCommand.clear();
        plan.refusal = OutputRefusal(request.valueText);
        return plan;
    }

    plan.accepted = true;
    plan.commands = beforeRange;
    if (plan.RangeCommand != LastRangeCommand)
        plan.commands << plan.RangeCommand;
    plan.commands << afterRange;
    LastRangeCommand = plan.RangeCommand;
    return plan;
}

InformBox OutputRefusal(const QString &valueText) {
    const QStringList lines{
        QStringLiteral("WARNING :"),
        QString(),
        QStringLiteral("It is not possible to set the following output"),
        QStringLiteral("on the Corvale calibrator :"),
        QString(),
        QStringLiteral("Output : ") + valueText,
        QString(),
        QStringLiteral("Please check the output setting."),
    };
    return {QStringLiteral("Corvale : Output Value Cannot Be Set"), lines.join(u'\r')};
}

} // namespace vk220::terminal
