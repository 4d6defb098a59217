#include "ConVal.h"

#include "NumberText.h"

#include <cmath>

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

double Multiplier(QStringView unit) {
    if (unit.isEmpty())
        return 1.0;
    switch (unit.front().unicode()) {
    case u'T':
        return 1e12;
    case u'G':
        return 1e9;
    case u'M':
        return 1e6;
    case u'k':
        return 1e3;
    default:
        return 1.0;
    }
}

// Fractional prefixes divide by an exact power of ten instead of multiplying by an inexact one,
// so that "203mV" is the same number as "0.203V" and lands in the same range.
double Divisor(QStringView unit) {
    if (unit.isEmpty())
        return 1.0;
    switch (unit.front().unicode()) {
    case u'm':
        return 1e3;
    case u'u':
    case u'\u00B5': // micro sign
    case u'\u03BC': // Greek small mu, which some keyboards give for the micro sign
        return 1e6;
    case u'n':
        return 1e9;
    case u'p':
        return 1e12;
    case u'f':
        return 1e15;
    case u'a':
        return 1e18;
    default:
        return 1.0;
    }
}

// Numbers keep at most 15 significant digits, as their text form does.
double Rounded(double number) {
    if (!std::isfinite(number))
        return number;
    return NumberText::LeadingNumber(NumberText::Short(number));
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
    result.value =
        Rounded(NumberText::LeadingNumber(number)) * Multiplier(result.unit) / Divisor(result.unit);
    return result;
}
