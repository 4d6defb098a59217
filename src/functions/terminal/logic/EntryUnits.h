#pragma once

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// The unit letters of a voltage or current typed into the entry line. The keys build only
// well-formed entries, but the operator may type anything; ENTER takes a typed voltage or current
// only as it reads, never with a letter or blank quietly dropped: "20UA" is not 20 A, "500u A" is
// not 500 A, "100R4V" is not 100 V.
namespace EntryUnits {

// A final "a" or "v" names the ampere or the volt: "20ua" is 20 µA and "1kv" 1 kV. Only that
// letter changes case; a prefix keeps its own, so "5ma" is 5 mA and "5Ma" 5 MA.
QString WithUnitLetterCase(const QString &entry);

// The entry as ENTER takes it: the unit letter's case as above, and an entry with neither "A" nor
// "V" given the unit of the terminals in use ("15" is "15V" on the voltage terminals, "15A"
// elsewhere).
QString AsEntered(const QString &entry, bool voltageSelected);

// Whether a value text ending in "A" or "V" reads as written: a number (whose letters can only be
// its exponent marker e, E, d or D), optional blanks, at most one SI prefix that ConVal knows,
// then the unit letter. A text ending otherwise is left to the output routine, which judges the
// other families itself.
bool ReadsAsWritten(QStringView valueText);

} // namespace EntryUnits

} // namespace vk220::terminal
