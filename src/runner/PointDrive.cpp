#include "runner/PointDrive.h"

#include "functions/continuity/ContCurrent.h"
#include "functions/continuity/ContResistances.h"
#include "functions/insulation/ManualEntry.h"
#include "functions/insulation/ResistanceDigits.h"
#include "functions/insulation/VoltageRanges.h"
#include "functions/measurement/DMMRanges.h"
#include "functions/measurement/DMMReading.h"
#include "functions/tachometer/SpeedSetting.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/PanelPlanner.h"
#include "functions/thermocouple/TemperatureSetting.h"
#include "link/NumberText.h"
#include "link/Reading.h"

#include <cmath>

namespace vk220::runner {

using procedures::PointFunction;

namespace {

constexpr double PressVolts = 30.0;

DriveStep Line(const QString &line) {
    return {DriveStep::Kind::Line, line};
}

DriveStep Mask(const QString &line) {
    return {DriveStep::Kind::Mask, line};
}

QList<DriveStep> Lines(const QStringList &lines) {
    QList<DriveStep> steps;
    for (const QString &line : lines)
        steps << Line(line);
    return steps;
}

// The insulation window's digits for a resistance, and the masks its Set sends.
QStringList ResistanceMasks(double ohms) {
    const insulation::ManualEntry::Split split =
        insulation::ManualEntry::Read(QString::number(ohms / 1e6, 'f', 2));
    insulation::ResistanceDigits::Values values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = insulation::ResistanceDigits::Read(split.digits[i]);
    return {QStringLiteral("p%1").arg(insulation::ResistanceDigits::PresetMask),
            QStringLiteral("p%1").arg(insulation::ResistanceDigits::Mask(values))};
}

} // namespace

bool PointDrive::NeedsPress(const procedures::TestPoint &point) {
    if (point.function != PointFunction::Terminal)
        return false;
    if (point.nominal.unit == u"A")
        return terminal::OutputPoints::IsCoil(point.terminals);
    return std::fabs(point.nominal.value) > PressVolts;
}

QList<DriveStep> PointDrive::Set(const procedures::TestPoint &point) {
    const bool opening = current != point.function;
    current = point.function;
    QList<DriveStep> steps;
    switch (point.function) {
    case PointFunction::InsulationResistance:
        if (opening)
            steps << Line(insulation::ResistanceDigits::PageText);
        return steps << Lines(ResistanceMasks(point.nominal.value));
    case PointFunction::TestVoltage:
        current.reset(); // each test voltage point selects its range anew
        return Lines(insulation::VoltageRanges::SelectCommands(point.setting));
    case PointFunction::ContinuityResistance:
    case PointFunction::ContinuityCurrent:
        current.reset();
        return {Mask(continuity::ContResistances::SelectCommand(point.setting))};
    case PointFunction::Tachometer: {
        const QString speed =
            *tachometer::SpeedSetting::SpeedText(link::NumberText::General(point.nominal.value));
        if (opening)
            steps << Mask(tachometer::SpeedSetting::SwitchingMask);
        steps << Lines(tachometer::SpeedSetting::Commands(speed));
        if (opening)
            steps << Line(QStringLiteral("S0"));
        return steps;
    }
    case PointFunction::Thermocouple:
        if (opening)
            steps << Mask(thermocouple::TemperatureSetting::SwitchingMask)
                  << Line(thermocouple::TemperatureSetting::RangeCommand);
        return steps << Line(thermocouple::TemperatureSetting::Command(
                   point.setting, point.nominal.value, point.autoColdJunction));
    case PointFunction::Measurement: {
        current.reset();
        const measurement::DMMRange &range =
            measurement::DMMRanges::Table().at(static_cast<size_t>(point.setting));
        return {Mask(range.maskCommand), Line(range.displayCommand)};
    }
    case PointFunction::Terminal:
        return SetTerminal(point, opening);
    }
    return steps;
}

QList<DriveStep> PointDrive::SetTerminal(const procedures::TestPoint &point, bool opening) {
    QList<DriveStep> steps;
    // Another function has switched the adapter since: the terminal window opens anew.
    if (opening || terminal.selected == terminal::OutputPoint::None) {
        terminal::PanelState opening;
        opening.lastRangeCommand = terminal.lastRangeCommand;
        const terminal::PanelPlan load = terminal::PanelPlanner::Load(opening);
        steps << Lines(load.Commands());
        terminal = load.after;
    }
    // A point that needs the press is set as the window sets one with its autoset off: in
    // standby, for OUTPUT ON.
    terminal.autosetChecked = !NeedsPress(point);
    if (terminal.selected != point.terminals) {
        const terminal::PanelPlan select =
            terminal::PanelPlanner::SelectTerminal(static_cast<int>(point.terminals), terminal);
        steps << Lines(select.Commands());
        terminal = select.after;
    }
    terminal.entry = point.nominal.text;
    const terminal::PanelPlan enter = terminal::PanelPlanner::Enter(terminal);
    steps << Lines(enter.Commands());
    terminal = enter.after;
    if (point.frequency != 0.0) {
        terminal.entry = link::NumberText::General(point.frequency);
        const terminal::PanelPlan hz = terminal::PanelPlanner::Hz(terminal);
        steps << Lines(hz.Commands());
        terminal = hz.after;
    }
    return steps;
}

QList<DriveStep> PointDrive::OutputOn() {
    const terminal::PanelPlan on = terminal::PanelPlanner::OutputOn(terminal);
    terminal = on.after;
    return Lines(on.Commands());
}

void PointDrive::Reset() {
    current.reset();
    const QString range = terminal.lastRangeCommand;
    terminal = {};
    terminal.lastRangeCommand = range;
}

std::optional<double> PointDrive::Measured(const procedures::TestPoint &point, double counts) {
    if (link::Reading::IsOverRange(counts))
        return std::nullopt;
    switch (point.function) {
    case PointFunction::TestVoltage:
        return insulation::VoltageRanges::Volts(
            counts, insulation::VoltageRanges::Table().at(static_cast<size_t>(point.setting)));
    case PointFunction::ContinuityCurrent:
        return continuity::ContCurrent::Milliamps(counts) / 1000.0;
    case PointFunction::Measurement: {
        const measurement::DMMRange &range =
            measurement::DMMRanges::Table().at(static_cast<size_t>(point.setting));
        // In the range's unit ("mA", "mV"); the unit's prefix read as the keypad reads it.
        const double value = measurement::DMMReading::Value(counts, 0.0, range);
        return value * terminal::ConVal(QStringLiteral("1") + range.unit).value;
    }
    default:
        return std::nullopt;
    }
}

} // namespace vk220::runner
