#include "procedures/PanelCapability.h"

#include "functions/continuity/ContCurrent.h"
#include "functions/continuity/ContResistances.h"
#include "functions/insulation/ManualEntry.h"
#include "functions/insulation/VoltageRanges.h"
#include "functions/measurement/DMMRanges.h"
#include "functions/tachometer/SpeedSetting.h"
#include "functions/terminal/logic/AmplitudeRanges.h"
#include "functions/terminal/logic/CoilRules.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/FrequencyLimits.h"
#include "functions/terminal/logic/PanelPlanner.h"
#include "functions/terminal/logic/TerminalButtons.h"
#include "functions/thermocouple/TemperatureSetting.h"
#include "functions/thermocouple/ThermocoupleTypes.h"
#include "link/NumberText.h"
#include "link/Reading.h"

#include <cmath>

namespace vk220::procedures {

namespace {

const QString Nominal = QStringLiteral("nominal");

// The full scale a range caption names: "1kV Range" is 1000 (volts), "30mA Range" 0.03.
terminal::ConValResult FullScale(const QString &caption) {
    return terminal::ConVal(caption.section(u' ', 0, 0));
}

bool Same(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

std::optional<PanelRefusal> Refuse(const QString &key, const QString &text) {
    return PanelRefusal{key, text};
}

std::optional<PanelRefusal> CheckInsulationResistance(const TestPoint &point) {
    const double megohms = point.nominal.value / 1e6;
    const QString what = QStringLiteral("insulation resistance ") + point.nominal.text;
    if (megohms < 0)
        return Refuse(Nominal, what + QStringLiteral(" is negative"));
    switch (insulation::ManualEntry::Read(QString::number(megohms, 'f', 6)).outcome) {
    case insulation::ManualEntry::Outcome::AboveMaximum:
    case insulation::ManualEntry::Outcome::AboveOutput:
        return Refuse(Nominal, what + QStringLiteral(" is above the highest setting (1999.99 MΩ)"));
    case insulation::ManualEntry::Outcome::BelowStep:
        return Refuse(Nominal, what + QStringLiteral(" is below the smallest step (0.01 MΩ)"));
    case insulation::ManualEntry::Outcome::Empty:
    case insulation::ManualEntry::Outcome::Accepted:
        break;
    }
    if (!Same(megohms * 100, std::round(megohms * 100)))
        return Refuse(Nominal, what + QStringLiteral(" is not a setting: the resistance steps by "
                                                     "0.01 MΩ"));
    return std::nullopt;
}

// The first of `captions`' ranges in the nominal's unit whose full scale takes the nominal.
std::optional<PanelRefusal> ChooseRange(TestPoint &point, const QStringList &captions,
                                        const QString &what) {
    QString highest;
    for (int i = 0; i < captions.size(); ++i) {
        const terminal::ConValResult scale = FullScale(captions.at(i));
        if (!scale.unit.endsWith(point.nominal.unit))
            continue;
        highest = PlainText(scale.value, point.nominal.unit);
        if (std::fabs(point.nominal.value) <= scale.value * (1 + 1e-12)) {
            point.setting = i;
            return std::nullopt;
        }
    }
    return Refuse(Nominal, QStringLiteral("%1 %2 is above the highest range (%3)")
                               .arg(what, point.nominal.text, highest));
}

std::optional<PanelRefusal> CheckContinuityResistance(TestPoint &point) {
    QStringList settings;
    for (int i = 0; i < continuity::ContResistances::Count; ++i) {
        const terminal::ConValResult value =
            terminal::ConVal(continuity::ContResistances::Table().at(size_t(i)).display);
        if (Same(value.value, point.nominal.value)) {
            point.setting = i;
            return std::nullopt;
        }
        settings << PlainText(value.value, QStringLiteral("\u03A9"));
    }
    return Refuse(Nominal,
                  QStringLiteral("continuity resistance %1 is not one of the panel's settings (%2)")
                      .arg(point.nominal.text, settings.join(QStringLiteral(", "))));
}

std::optional<PanelRefusal> CheckContinuityCurrent(TestPoint &point) {
    point.setting = continuity::ContResistances::CurrentIndex;
    const double milliamps = continuity::ContCurrent::Milliamps(link::Reading::OverRangeCounts);
    if (std::fabs(point.nominal.value) * 1000.0 <= milliamps)
        return std::nullopt;
    return Refuse(Nominal,
                  QStringLiteral("continuity current %1 is above what the panel reads "
                                 "(%2)")
                      .arg(point.nominal.text, PlainText(milliamps, QStringLiteral("mA"))));
}

std::optional<PanelRefusal> CheckSpeed(const TestPoint &point) {
    const std::optional<QString> set =
        tachometer::SpeedSetting::SpeedText(link::NumberText::General(point.nominal.value));
    if (!set)
        return Refuse(Nominal, QStringLiteral("speed %1 is outside the panel's %2 to %3 RPM")
                                   .arg(point.nominal.text)
                                   .arg(double(tachometer::SpeedSetting::MinRpm))
                                   .arg(double(tachometer::SpeedSetting::MaxRpm)));
    if (!Same(set->toDouble(), point.nominal.value))
        return Refuse(Nominal, QStringLiteral("speed %1 is not a setting: the panel sets %2 RPM "
                                              "(it steps by %3 RPM)")
                                   .arg(point.nominal.text, *set)
                                   .arg(double(tachometer::SpeedSetting::StepRpm)));
    return std::nullopt;
}

std::optional<PanelRefusal> CheckTemperature(const TestPoint &point) {
    const thermocouple::ThermocoupleType *type = thermocouple::ThermocoupleTypes::At(point.setting);
    if (thermocouple::TemperatureSetting::Refusal(point.setting, point.nominal.value).isEmpty())
        return std::nullopt;
    return Refuse(Nominal,
                  QStringLiteral("%1: %2 is outside %3 to %4")
                      .arg(thermocouple::TemperatureSetting::TypeCaption(type->selectorEntry),
                           point.nominal.text, PlainText(type->min, QStringLiteral("\u00B0C")),
                           PlainText(type->max, QStringLiteral("\u00B0C"))));
}

std::optional<PanelRefusal> CheckAmplitude(const TestPoint &point) {
    const QString name = terminal::TerminalButtons::PointName(point.terminals);
    const double magnitude = std::fabs(point.nominal.value);
    const int turns = terminal::OutputPoints::CoilTurns(point.terminals);
    if (point.nominal.unit == u"A" && terminal::CoilRules::ExceedsLimit(magnitude, turns))
        return Refuse(Nominal, QStringLiteral("%1 through the %2 is above its limit (%3)")
                                   .arg(point.nominal.text, name,
                                        PlainText(turns * terminal::AmplitudeRanges::MaxCurrent,
                                                  QStringLiteral("A"))));
    const terminal::OutputFamily family = terminal::FamilyOfUnit(point.nominal.unit);
    if (turns == 1 && !terminal::AmplitudeRanges::Select(family, magnitude, false)) {
        const terminal::AmplitudeRange *last = nullptr;
        for (const terminal::AmplitudeRange &range : terminal::AmplitudeRanges::Table())
            last = range.family == family ? &range : last;
        return Refuse(Nominal,
                      QStringLiteral("terminal output %1 is above the highest range (%2 "
                                     "%3)")
                          .arg(point.nominal.text,
                               last->inclusive ? QStringLiteral("up to") : QStringLiteral("below"),
                               PlainText(last->limit, point.nominal.unit)));
    }
    return std::nullopt;
}

// The terminal window itself, asked to set the nominal by ENTER on the point's terminals or coil:
// it must set it there, not refuse it nor switch to other terminals.
std::optional<PanelRefusal> CheckTerminalChoice(const TestPoint &point) {
    if (const std::optional<PanelRefusal> amplitude = CheckAmplitude(point))
        return amplitude;
    terminal::PanelState state;
    state.selected = point.terminals;
    state.entry = point.nominal.text;
    const terminal::PanelPlan plan = terminal::PanelPlanner::Enter(state);
    const QString name = terminal::TerminalButtons::PointName(point.terminals);
    if (!plan.Of<terminal::InformBox>().isEmpty())
        return Refuse(Nominal, QStringLiteral("the terminal window refuses %1 on %2 (%3)")
                                   .arg(point.nominal.text, name,
                                        plan.Of<terminal::InformBox>().constFirst().title));
    if (plan.after.selected != point.terminals)
        return Refuse(QStringLiteral("terminals"),
                      QStringLiteral("the panel sets %1 on %2, not on %3")
                          .arg(point.nominal.text,
                               terminal::TerminalButtons::PointName(plan.after.selected), name));
    if (point.frequency != 0.0 && terminal::FrequencyLimits::Refusal(point.frequency))
        return Refuse(
            QStringLiteral("frequency"),
            QStringLiteral("frequency %1 is outside the panel's %2 to %3")
                .arg(PlainText(point.frequency, QStringLiteral("Hz")),
                     PlainText(terminal::FrequencyLimits::Lowest, QStringLiteral("Hz")),
                     PlainText(terminal::FrequencyLimits::Highest, QStringLiteral("Hz"))));
    return std::nullopt;
}

QStringList Captions(auto table) {
    QStringList captions;
    for (const auto &row : table)
        captions << row.caption;
    return captions;
}

} // namespace

std::optional<PanelRefusal> CheckOnPanel(TestPoint &point) {
    switch (point.function) {
    case PointFunction::InsulationResistance:
        return CheckInsulationResistance(point);
    case PointFunction::TestVoltage:
        return ChooseRange(point, Captions(insulation::VoltageRanges::Table()),
                           QStringLiteral("test voltage"));
    case PointFunction::ContinuityResistance:
        return CheckContinuityResistance(point);
    case PointFunction::ContinuityCurrent:
        return CheckContinuityCurrent(point);
    case PointFunction::Tachometer:
        return CheckSpeed(point);
    case PointFunction::Thermocouple:
        return CheckTemperature(point);
    case PointFunction::Measurement:
        return ChooseRange(point, Captions(measurement::DMMRanges::Table()),
                           QStringLiteral("measurement"));
    case PointFunction::Terminal:
        return CheckTerminalChoice(point);
    }
    return std::nullopt;
}

int ThermocoupleTypeIndex(const QString &text) {
    QString caption = text.trimmed().toUpper();
    if (!caption.startsWith(QStringLiteral("TYPE ")))
        caption.prepend(QStringLiteral("TYPE "));
    for (int i = 0; i < thermocouple::ThermocoupleTypes::Count; ++i) {
        if (thermocouple::TemperatureSetting::TypeCaption(
                thermocouple::ThermocoupleTypes::At(i)->selectorEntry) == caption)
            return i;
    }
    return -1;
}

QString ThermocoupleTypeLetters() {
    QStringList letters;
    for (const thermocouple::ThermocoupleType &type : thermocouple::ThermocoupleTypes::Table())
        letters << thermocouple::TemperatureSetting::TypeCaption(type.selectorEntry).mid(5);
    return letters.join(QStringLiteral(", "));
}

terminal::OutputPoint TerminalsNamed(const QString &text) {
    for (const terminal::TerminalButton &button : terminal::TerminalButtons::All()) {
        if (text.simplified().compare(terminal::TerminalButtons::PointName(button.point),
                                      Qt::CaseInsensitive) == 0)
            return button.point;
    }
    return terminal::OutputPoint::None;
}

QString TerminalsNames() {
    QStringList names;
    for (const terminal::TerminalButton &button : terminal::TerminalButtons::All()) {
        const QString name = terminal::TerminalButtons::PointName(button.point);
        if (!names.contains(name))
            names << name;
    }
    return names.join(QStringLiteral(", "));
}

} // namespace vk220::procedures
