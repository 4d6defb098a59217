#include "app/OutputSummary.h"

#include "functions/terminal/logic/AmplitudeRanges.h"
#include "functions/terminal/logic/TerminalButtons.h"
#include "link/CalibratorModel.h"

#include <QStringList>

namespace vk220::app {

namespace {

// The line common to every switching mask: alone, it switches no circuit in.
constexpr qint64 CommonLine = qint64(1) << 24;
// The thermocouple window's range, set in degrees Celsius, and the tachometer's, whose speed is
// sent as a frequency in RPM.
constexpr int TemperatureRange = 60;
constexpr int SpeedRange = 64;

QString State(link::CalibratorModel::Output output) {
    switch (output) {
    case link::CalibratorModel::Output::Standby:
        return QStringLiteral("STANDBY");
    case link::CalibratorModel::Output::On:
        return QStringLiteral("OPERATE");
    case link::CalibratorModel::Output::Unknown:
        break;
    }
    return QStringLiteral("OUTPUT UNKNOWN");
}

} // namespace

namespace OutputSummary {

QString Text(const link::CalibratorModel &model) {
    QStringList parts{State(model.OutputState())};
    if (model.Range() >= 0)
        parts << Value(model) << QStringLiteral("R%1").arg(model.Range());
    const QString route = Route(model.Mask());
    if (!route.isEmpty())
        parts << route;
    return parts.join(QStringLiteral(" \u00B7 "));
}

QString Value(const link::CalibratorModel &model) {
    if (!model.ValueSet())
        return QStringLiteral("no value");
    const int range = model.Range();
    if (range == SpeedRange)
        return model.Frequency() + QStringLiteral(" RPM");
    if (range == TemperatureRange)
        return model.Value() + QStringLiteral(" \u00B0C");
    const terminal::AmplitudeRange *amplitude =
        terminal::AmplitudeRanges::FindByCommand(QStringLiteral("R%1").arg(range));
    if (!amplitude)
        return QStringLiteral("O") + model.Value();
    // "O" carries the value in the unit of the range's readout.
    QString text = model.Value() + u' ' + amplitude->unit.toString();
    if (range > terminal::AmplitudeRanges::AcOffset && !model.Frequency().isEmpty())
        text += u' ' + model.Frequency() + QStringLiteral(" Hz");
    return text;
}

QString Route(qint64 mask) {
    if ((mask & ~CommonLine) == 0)
        return QString();
    for (const terminal::TerminalButton &button : terminal::TerminalButtons::All()) {
        if (button.mask == mask)
            return button.label.mid(1).toString(); // the display text without its "#"
    }
    return QStringLiteral("p%1").arg(mask);
}

} // namespace OutputSummary

} // namespace vk220::app
