#include "functions/terminal/logic/OutputMarker.h"

#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/OutputFamily.h"

#include <cmath>

namespace vk220::terminal {

OutputMarker OutputMarker::For(link::CalibratorModel::Output output, QStringView display) {
    OutputMarker marker;
    switch (output) {
    case link::CalibratorModel::Output::On:
        marker.text = QStringLiteral("OPR");
        break;
    case link::CalibratorModel::Output::Standby:
        marker.text = QStringLiteral("STBY");
        break;
    case link::CalibratorModel::Output::Unknown:
        marker.text = QStringLiteral("OPR?");
        break;
    }
    marker.dimmed = output == link::CalibratorModel::Output::Standby;
    const ConValResult shown = ConVal(display);
    marker.highVoltage = !marker.dimmed && FamilyOfUnit(shown.unit) == OutputFamily::Voltage &&
                         std::fabs(shown.value) > WarningVolts;
    return marker;
}

} // namespace vk220::terminal
