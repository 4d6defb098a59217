#include "OutputMarker.h"

#include "ConVal.h"
#include "OutputFamily.h"

#include <cmath>

OutputMarker OutputMarker::For(CalibratorModel::Output output, QStringView display) {
    OutputMarker marker;
    switch (output) {
    case CalibratorModel::Output::On:
        marker.text = QStringLiteral("OPR");
        break;
    case CalibratorModel::Output::Standby:
        marker.text = QStringLiteral("STBY");
        break;
    case CalibratorModel::Output::Unknown:
        marker.text = QStringLiteral("OPR?");
        break;
    }
    marker.dimmed = output == CalibratorModel::Output::Standby;
    const ConValResult shown = ConVal(display);
    marker.highVoltage = !marker.dimmed && FamilyOfUnit(shown.unit) == OutputFamily::Voltage &&
                         std::fabs(shown.value) > WarningVolts;
    return marker;
}
