#include "functions/insulation/ManualEntry.h"

#include <algorithm>

namespace vk220::insulation {

namespace ManualEntry {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Integer parts with more significant digits than this are 10000 MΩ or more.
constexpr int IntegerDigits = 4;

} // namespace

Filtered Filter(QStringView text) {
    Filtered result;
    bool pointKept = false;
    for (const QChar c : text) {
        if (IsDigit(c) || (c == u'.' && !pointKept)) {
            pointKept = pointKept || c == u'.';
            result.text.append(c);
        } else {
            result.removed = true;
        }
    }
    return result;
}

Split Read(QStringView text) {
    Split split;
    const QString entry = Filter(text).text;
    if (entry.isEmpty())
        return split;

    const qsizetype point = entry.indexOf(u'.');
    const QString integerPart = point < 0 ? entry : entry.left(point);
    QStringView significant(integerPart);
    while (significant.startsWith(u'0'))
        significant = significant.mid(1);
    if (significant.size() > IntegerDigits) {
        split.outcome = Outcome::AboveMaximum;
        return split;
    }
    if (significant.size() == IntegerDigits && significant.at(0) != u'1') {
        split.outcome = Outcome::AboveOutput;
        return split;
    }

    const QString fraction =
        point < 0 ? QString() : (entry.mid(point + 1) + QStringLiteral("00")).left(2);
    const QString integer = (QStringLiteral("0000") + integerPart).right(IntegerDigits);
    split.digits[0] = fraction.isEmpty() ? QStringLiteral("0") : fraction.mid(1, 1);
    split.digits[1] = fraction.isEmpty() ? QStringLiteral("0") : fraction.left(1);
    for (int k = 0; k < IntegerDigits; ++k)
        split.digits.at(static_cast<size_t>(2 + k)) = integer.mid(IntegerDigits - 1 - k, 1);

    const bool allZero = std::all_of(split.digits.begin(), split.digits.end(),
                                     [](const QString &d) { return d == u"0"; });
    const bool nonZeroTyped =
        std::any_of(entry.begin(), entry.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    split.outcome = allZero && nonZeroTyped ? Outcome::BelowStep : Outcome::Accepted;
    return split;
}

QString Message(Outcome outcome) {
    switch (outcome) {
    case Outcome::AboveMaximum:
    case Outcome::AboveOutput:
        return QStringLiteral("Resistance out of range - maximum value is 1999.99MR");
    case Outcome::BelowStep:
        return QStringLiteral("Resistance out of range - minimum value is 10kR");
    case Outcome::Empty:
    case Outcome::Accepted:
        break;
    }
    return QString();
}

} // namespace ManualEntry

} // namespace vk220::insulation
