#include "procedures/PointFunctions.h"

#include <array>

namespace vk220::procedures {

namespace {

const QString Volt = QStringLiteral("V");
const QString Ampere = QStringLiteral("A");
const QString Ohm = QStringLiteral("\u03A9");

const std::array<PointFunctionRule, 8> &Rules() {
    using enum PointFunction;
    using enum ResultMode;
    static const std::array<PointFunctionRule, 8> rules{{
        {InsulationResistance, QStringLiteral("insulation resistance"), {Ohm}, UutIndicates, {}},
        {TestVoltage, QStringLiteral("test voltage"), {Volt}, PanelMeasures, {}},
        {ContinuityResistance, QStringLiteral("continuity resistance"), {Ohm}, UutIndicates, {}},
        {ContinuityCurrent, QStringLiteral("continuity current"), {Ampere}, PanelMeasures, {}},
        {Tachometer, QStringLiteral("tachometer"), {QStringLiteral("RPM")}, UutIndicates, {}},
        {Thermocouple,
         QStringLiteral("thermocouple"),
         {QStringLiteral("\u00B0C")},
         UutIndicates,
         {QStringLiteral("type"), QStringLiteral("cold junction")}},
        {Measurement, QStringLiteral("measurement"), {Volt, Ampere}, PanelMeasures, {}},
        {Terminal,
         QStringLiteral("terminal"),
         {Volt, Ampere},
         UutIndicates,
         {QStringLiteral("terminals"), QStringLiteral("frequency")}},
    }};
    return rules;
}

} // namespace

const PointFunctionRule *FindPointFunction(QStringView name) {
    for (const PointFunctionRule &rule : Rules()) {
        if (name.compare(rule.name, Qt::CaseInsensitive) == 0)
            return &rule;
    }
    return nullptr;
}

QString PointFunctionNames() {
    QStringList names;
    for (const PointFunctionRule &rule : Rules())
        names << rule.name;
    return names.join(QStringLiteral(", "));
}

QString ResultModeText(ResultMode mode) {
    return mode == ResultMode::UutIndicates ? QStringLiteral("UUT indicates")
                                            : QStringLiteral("panel measures");
}

const QStringList &CommonPointKeys() {
    static const QStringList keys{
        QStringLiteral("function"), QStringLiteral("nominal"),    QStringLiteral("tolerance"),
        QStringLiteral("range"),    QStringLiteral("resolution"), QStringLiteral("result"),
        QStringLiteral("readings"), QStringLiteral("connect"),    QStringLiteral("settle")};
    return keys;
}

} // namespace vk220::procedures
