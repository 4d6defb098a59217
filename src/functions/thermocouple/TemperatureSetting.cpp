#include "functions/thermocouple/TemperatureSetting.h"

#include "functions/thermocouple/ThermocoupleTypes.h"

#include "link/NumberText.h"

#include <algorithm>

namespace vk220::thermocouple {

namespace TemperatureSetting {

QString Refusal(int typeIndex, double tempVal) {
    const ThermocoupleType *type = ThermocoupleTypes::At(typeIndex);
    if (!type)
        return NoTypeMessage;
    if (!(tempVal >= type->min && tempVal <= type->max))
        return type->rangeMessage;
    return QString();
}

QString Command(int typeIndex, double tempVal, bool autoCjc) {
    return QStringLiteral("%1/%2/O%3")
        .arg(autoCjc ? QStringLiteral("K1") : QStringLiteral("K0"),
             ThermocoupleTypes::At(typeIndex)->code, link::NumberText::General(tempVal));
}

QString TemperatureCaption(double tempVal) {
    // An entry of "-0" is zero, shown without a sign; a small negative value keeps its "-".
    QString text = QString::number(tempVal == 0 ? 0.0 : tempVal, 'f', 3);
    // Optional decimals beyond the first are dropped when they are zeros.
    while (text.endsWith(QLatin1Char('0')) && text.at(text.size() - 2) != QLatin1Char('.'))
        text.chop(1);
    return text + QStringLiteral("\u00B0C");
}

QString TypeCaption(const QString &selectorEntry) {
    return selectorEntry.left(6);
}

} // namespace TemperatureSetting

} // namespace vk220::thermocouple
