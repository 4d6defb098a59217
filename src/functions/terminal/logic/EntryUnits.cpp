#include "functions/terminal/logic/EntryUnits.h"

#include "functions/terminal/logic/ConVal.h"

#include <algorithm>

namespace vk220::terminal {

namespace {

// The leading-number parse reads "1e3" and "1D3" as 1000.
bool IsExponentMarker(QChar c) {
    return c == u'e' || c == u'E' || c == u'd' || c == u'D';
}

} // namespace

namespace EntryUnits {

QString WithUnitLetterCase(const QString &entry) {
    if (!entry.endsWith(u'a') && !entry.endsWith(u'v'))
        return entry;
    QString cased = entry;
    cased.back() = cased.back().toUpper();
    return cased;
}

QString AsEntered(const QString &entry, bool voltageSelected) {
    QString entered = WithUnitLetterCase(entry);
    if (!entered.contains(u'A') && !entered.contains(u'V'))
        entered += voltageSelected ? u'V' : u'A';
    return entered;
}

bool ReadsAsWritten(QStringView valueText) {
    if (!valueText.endsWith(u'A') && !valueText.endsWith(u'V'))
        return true;
    const ConValResult parsed = ConVal(valueText);
    // A point that ends the number ("10.mA") is collected with the unit but belongs to the
    // number.
    QStringView prefix = QStringView(parsed.unit).chopped(1);
    while (prefix.startsWith(u'.'))
        prefix = prefix.sliced(1);
    if (prefix.size() > 1 || (prefix.size() == 1 && !IsPrefix(prefix.front())))
        return false;
    // A letter the unit scan stopped before (at a blank or a digit) would be dropped unread.
    const QStringView number = valueText.chopped(parsed.unit.size());
    return std::none_of(number.begin(), number.end(),
                        [](QChar c) { return c.isLetter() && !IsExponentMarker(c); });
}

} // namespace EntryUnits

} // namespace vk220::terminal
