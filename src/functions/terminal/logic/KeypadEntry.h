#pragma once

#include "functions/terminal/logic/KeypadKey.h"

#include <QString>

#include <utility>

namespace vk220::terminal {

// The entry line of the keypad and the editing rules of its keys, which keep a keyed entry well
// formed: an optional "-", digits with at most one ".", then at most one prefix ("u" or "m") and
// one unit ("A" or "V"); once a prefix or unit is keyed no more digits are taken. The operator may
// also type any text into the line; the keys then work on whatever stands there.
class KeypadEntry {
public:
    // What the window does after a key of the Command1 array.
    enum class Outcome {
        Edited,        // the entry may have changed; nothing else to do
        Ampere,        // "A" acted: show the current paths and examine the entry against them
        Volt,          // "V" acted: hide the current paths, show and enable "ENTER"
        Ignored,       // "A" or "V" refused by the other unit in the entry
        Frequency,     // "Hz": the entry is unchanged; the window sets the frequency
        DirectCurrent, // "DC": the entry is unchanged; the window returns the output to DC
        Enter,         // "ENTER": the entry is unchanged; the window sets the output
    };

    explicit KeypadEntry(QString text = {}) : text(std::move(text)) {}

    const QString &Text() const { return text; }
    void SetText(const QString &newText) { text = newText; }
    void Clear() { text.clear(); }

    // Command1 key `index` (a KeypadKey).
    Outcome Press(int index);

    void Digit(int digit);
    void Point();
    void BackSpace();
    void ToggleSign();
    // "u" or "m".
    void Prefix(QChar prefix);
    // True when the key acted, which it does unless the entry holds a "V".
    bool Ampere();
    // True when the key acted, which it does unless the entry holds an "A".
    bool Volt();

    // The entry holds "A" or "V" in either case.
    bool HasUnitInAnyCase() const;
    // The entry holds "u", "m" or "M".
    bool HasPrefix() const;
    // The entry's number is not 0, or a "0" was keyed: there is a number to put a unit after.
    bool NonzeroOrHasZero() const;

private:
    bool Unit(QChar unit, QChar other);

    QString text;
};

} // namespace vk220::terminal
