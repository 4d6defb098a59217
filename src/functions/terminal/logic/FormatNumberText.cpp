#include "functions/terminal/logic/FormatNumberText.h"

#include "link/NumberText.h"

#include <cmath>

namespace vk220::terminal {

namespace {

struct MaskShape {
    qsizetype integerDigits = 0;
    qsizetype decimals = 0;
};

MaskShape ShapeOf(QStringView mask) {
    MaskShape shape;
    const qsizetype point = mask.indexOf(u'.');
    const QStringView integerPart = point < 0 ? mask : mask.first(point);
    shape.integerDigits = integerPart.count(u'0');
    if (point >= 0)
        shape.decimals = mask.sliced(point + 1).count(u'0');
    return shape;
}

// Adds one unit in the last place of a string of decimal digits.
QString Increment(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return u'1' + digits;
}

// The magnitude's plain decimal text (at most 15 significant digits) rounded to `decimals`.
QString RoundedDigits(double magnitude, const MaskShape &shape) {
    const QString plain = link::NumberText::General(magnitude);
    const qsizetype point = plain.indexOf(u'.');
    QString integerPart = point < 0 ? plain : plain.first(point);
    QString fraction = point < 0 ? QString() : plain.sliced(point + 1);
    const bool roundUp = fraction.size() > shape.decimals && fraction[shape.decimals] >= u'5';
    fraction = fraction.left(shape.decimals).leftJustified(shape.decimals, u'0');
    QString digits = integerPart + fraction;
    if (roundUp)
        digits = Increment(digits);
    integerPart = digits.first(digits.size() - shape.decimals);
    fraction = digits.last(shape.decimals);

    while (integerPart.startsWith(u'0'))
        integerPart.remove(0, 1);
    if (integerPart.isEmpty() && (shape.integerDigits > 0 || shape.decimals == 0))
        integerPart = QStringLiteral("0");
    return shape.decimals > 0 ? integerPart + u'.' + fraction : integerPart;
}

} // namespace

QString FormatNumberText(QStringView text, QStringView mask) {
    QString number = text.trimmed().toString();
    bool negative = number.startsWith(u'-');
    if (negative)
        number.remove(0, 1);
    const qsizetype comma = number.indexOf(u',');
    if (comma >= 0)
        number[comma] = u'.';

    double value = link::NumberText::LeadingNumber(number);
    if (!std::isfinite(value))
        return text.trimmed().toString();
    if (value < 0) {
        negative = !negative;
        value = -value;
    }
    const QString formatted = RoundedDigits(value, ShapeOf(mask));
    return negative ? u'-' + formatted : formatted;
}

} // namespace vk220::terminal
