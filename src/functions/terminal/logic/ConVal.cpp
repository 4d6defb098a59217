#include "functions/terminal/logic/ConVal.h"

#include "link/NumberText.h"

#include <cmath>
#include <optional>

namespace vk220::terminal {

namespace {

// Letters, the micro sign and a few marks belong to the unit; digits, blanks, signs and the
// comma end it.
bool IsUnitCharacter(QChar c) {
    return c.unicode() > u'9' || c == u'%' || c == u'/' || c == u'.' || c == u'"' || c == u'\'';
}

// Resistances are written like "100R4"; the "4" after the R belongs to the unit.
bool EndsWithResistanceDigit(QStringView text) {
    return text.size() > 2 && text.endsWith(u"R4");
}

// The power of ten of an SI prefix letter; nothing for any other character.
std::optional<int> PrefixPower(QChar c) {
    switch (c.unicode()) {
    case u'T':
        return 12;
    case u'G':
        return 9;
    case u'M':
        return 6;
    case u'k':
        return 3;
    case u'm':
        return -3;
    case u'u':
    case u'\u00B5': // micro sign
    case u'\u03BC': // Greek small mu, which some keyboards give for the micro sign
        return -6;
    case u'n':
        return -9;
    case u'p':
        return -12;
    case u'f':
        return -15;
    case u'a':
        return -18;
    default:
        return std::nullopt;
    }
}

// The power of ten of the SI prefix that the unit starts with; 0 without one. A point before the
// prefix is the number's own decimal point with no decimals after it ("10.mA"): it is no prefix,
// and the letter after it still is, so "10.mA" is 10 mA as the entry line reads, never 10 A.
int PrefixExponent(QStringView unit) {
    while (unit.startsWith(u'.'))
        unit = unit.sliced(1);
    if (unit.isEmpty())
        return 0;
    return PrefixPower(unit.front()).value_or(0);
}

// The number, kept to the 15 significant digits of its text form, scaled by the prefix in its
// decimal text and read once. Multiplying or dividing the double instead rounds twice: 2.03 / 1000
// falls just below 0.00203, and "2.03mA" would take a lower range than "0.00203A".
double Scaled(double number, int exponent) {
    if (!std::isfinite(number))
        return number;
    return link::NumberText::LeadingNumber(link::NumberText::General(number) + u'e' +
                                           QString::number(exponent));
}

} // namespace

ConValResult ConVal(QStringView text) {
    const bool resistanceDigit = EndsWithResistanceDigit(text);
    qsizetype end = text.size() - (resistanceDigit ? 1 : 0);
    qsizetype start = end;
    while (start > 0 && IsUnitCharacter(text[start - 1]))
        --start;

    ConValResult result;
    result.unit = text.sliced(start, end - start).toString();
    if (resistanceDigit)
        result.unit += u'4';

    QString number = text.first(start).toString();
    const qsizetype comma = number.indexOf(u',');
    if (comma >= 0)
        number[comma] = u'.';
    result.value = Scaled(link::NumberText::LeadingNumber(number), PrefixExponent(result.unit));
    return result;
}

bool IsPrefix(QChar c) {
    return PrefixPower(c).has_value();
}

} // namespace vk220::terminal
