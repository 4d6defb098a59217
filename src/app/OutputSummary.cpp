#include "OutputSummary.h"

#include "AmplitudeRanges.h"
#include "CalibratorModel.h"
#include "TerminalButtons.h"

#include <QStringList>

namespace {

// The line common to every switching mask: alone, it switches no circuit in.
constexpr qint64 CommonLine = qint64(1) << 24;
// The thermocouple window's range, set in degrees Celsius, and the tachometer's, whose speed is
// sent as a frequency in RPM.
constexpr int TemperatureRange = 60;
constexpr int SpeedRange = 64;

QString State(CalibratorModel::Output output) {
    switch (output) {
    case CalibratorModel::Output::Standby:
        return QStringLiteral("STANDBY");
    case CalibratorModel::Output::On:
        return QStringLiteral("OPERATE");
    case CalibratorModel::Output::Unknown:
        break;
    }
    return QStringLiteral("OUTPUT UNKNOWN");
}

} // namespace

namespace OutputSummary {

QString Text(const CalibratorModel &model) {
    QStringList parts{State(model.OutputState())};
    if (model.Range() >= 0)
        parts << Value(model) << QStringLiteral("R%1").arg(model.Range());
    const QString route = Route(model.Mask());
    if (!route.isEmpty())
        parts << route;
    return parts.join(QStringLiteral(" \u00B7 "));
}

QString Value(const CalibratorModel &model) {
    if (!model.ValueSet())
        return QStringLiteral("no value");
    const int range = model.Range();
    if (range == SpeedRange)
        return model.Frequency() + QStringLiteral(" RPM");
    if (range == TemperatureRange)
        return model.Value() + QStringLiteral(" \u00B0C");
    const AmplitudeRange *amplitude =
        AmplitudeRanges::FindByCommand(QStringLiteral("R%1").arg(range));
    if (!amplitude)
        return QStringLiteral("O") + model.Value();
    // "O" carries the value in the unit of the range's readout.
    QString text = model.Value() + u' ' + amplitude->unit.toString();
    if (range > AmplitudeRanges::AcOffset && !model.Frequency().isEmpty())
        text += u' ' + model.Frequency() + QStringLiteral(" Hz");
    return text;
}

QString Route(qint64 mask) {
    if ((mask & ~CommonLine) == 0)
        return QString();
    for (const TerminalButton &button : TerminalButtons::All()) {
        if (button.mask == mask)
            return button.label.mid(1).toString(); // the display text without its "#"
    }
    return QStringLiteral("p%1").arg(mask);
}

} // namespace OutputSummary
