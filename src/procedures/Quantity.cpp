#include "procedures/Quantity.h"

#include "functions/terminal/logic/ConVal.h"
#include "link/NumberText.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace vk220::procedures {

namespace {

const QStringList BaseUnits{QStringLiteral("V"),       QStringLiteral("A"),
                            QStringLiteral("\u03A9"),  QStringLiteral("RPM"),
                            QStringLiteral("\u00B0C"), QStringLiteral("Hz"),
                            QStringLiteral("s")};

// The number as the keypad writes it: sign, digits with one point or comma, an exponent.
bool IsNumber(const QString &text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+[.,]?\\d*|[.,]\\d+)([eEdD][+-]?\\d+)?$"));
    return number.match(text).hasMatch();
}

} // namespace

std::optional<Quantity> ReadQuantity(const QString &text, QString *problem) {
    const terminal::ConValResult parsed = terminal::ConVal(text);
    // A point that ends the number ("10.mA") is collected with the unit but belongs to the
    // number.
    QString unit = parsed.unit;
    qsizetype points = 0;
    while (points < unit.size() && unit.at(points) == u'.')
        ++points;
    const QString number = text.left(text.size() - unit.size() + points).trimmed();
    unit = unit.mid(points);
    if (unit.isEmpty()) {
        *problem = QStringLiteral("\"%1\" has no unit").arg(text);
        return std::nullopt;
    }
    if (!IsNumber(number)) {
        *problem = QStringLiteral("\"%1\" is not a number with a unit").arg(text);
        return std::nullopt;
    }
    QString base = unit;
    if (!BaseUnits.contains(base) && terminal::IsPrefix(unit.front()))
        base = unit.mid(1);
    if (!BaseUnits.contains(base)) {
        *problem = QStringLiteral("the unit \"%1\" of \"%2\" is not known (%3, with an optional "
                                  "SI prefix)")
                       .arg(unit, text, BaseUnits.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    if (!std::isfinite(parsed.value)) {
        *problem = QStringLiteral("\"%1\" is too large").arg(text);
        return std::nullopt;
    }
    return Quantity{parsed.value, base, text};
}

QString PlainText(double value, const QString &unit) {
    return link::NumberText::General(value) + u' ' + unit;
}

} // namespace vk220::procedures
