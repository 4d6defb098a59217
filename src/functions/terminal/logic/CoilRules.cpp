#include "functions/terminal/logic/CoilRules.h"

#include "functions/terminal/logic/AmplitudeRanges.h"
#include "link/NumberText.h"

#include <cmath>

namespace vk220::terminal {

namespace CoilRules {

Division Divide(const QString &entry, double value, int turns) {
    if (turns <= 1)
        return {1, entry, entry};
    const QString perTurn = link::NumberText::General(value / turns) + u'A';
    return {turns, perTurn, perTurn + QStringLiteral(" x") + QString::number(turns)};
}

bool ExceedsLimit(double value, int turns) {
    return turns > 1 && !(std::fabs(value / turns) <= AmplitudeRanges::MaxCurrent);
}

InformBox LimitBox(int turns) {
    const QString limit = QString::number(turns * static_cast<int>(AmplitudeRanges::MaxCurrent));
    return {QStringLiteral("Clamp Coil Current Setting"),
            QStringLiteral("Maximum current value for ") + QString::number(turns) +
                QStringLiteral(" Turn coil = ") + limit +
                QStringLiteral("A\rPlease select a lower current")};
}

QString DisplayLabel(QStringView display, int turns) {
    QString text = display.toString();
    text.replace(u'\u00B5', u'u');
    return u'#' + text + QStringLiteral(" (x") + QString::number(turns) + u')';
}

} // namespace CoilRules

} // namespace vk220::terminal
