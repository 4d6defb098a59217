#include "functions/terminal/logic/KeypadEntry.h"

#include "link/NumberText.h"

namespace vk220::terminal {

KeypadEntry::Outcome KeypadEntry::Press(int index) {
    switch (index) {
    case KeypadKey::Zero:
        Digit(0);
        return Outcome::Edited;
    case KeypadKey::Point:
        Point();
        return Outcome::Edited;
    case KeypadKey::BackSpace:
        BackSpace();
        return Outcome::Edited;
    case KeypadKey::Hz:
        return Outcome::Frequency;
    case KeypadKey::Dc:
        return Outcome::DirectCurrent;
    case KeypadKey::Ampere:
        return Ampere() ? Outcome::Ampere : Outcome::Ignored;
    case KeypadKey::PlusMinus:
        ToggleSign();
        return Outcome::Edited;
    case KeypadKey::Enter:
        return Outcome::Enter;
    case KeypadKey::Micro:
        Prefix(u'u');
        return Outcome::Edited;
    case KeypadKey::Milli:
        Prefix(u'm');
        return Outcome::Edited;
    case KeypadKey::Volt:
        return Volt() ? Outcome::Volt : Outcome::Ignored;
    default:
        if (index >= KeypadKey::Digit(1) && index <= KeypadKey::Digit(9))
            Digit(index + 1);
        return Outcome::Edited;
    }
}

void KeypadEntry::Digit(int digit) {
    if (digit < 0 || digit > 9 || HasUnitInAnyCase() || HasPrefix())
        return;
    text += QChar(u'0' + digit);
}

void KeypadEntry::Point() {
    if (HasUnitInAnyCase() || HasPrefix() || text.contains(u'.'))
        return;
    text += u'.';
}

void KeypadEntry::BackSpace() {
    if (!text.isEmpty())
        text.chop(1);
}

void KeypadEntry::ToggleSign() {
    if (text.isEmpty())
        return;
    if (text.startsWith(u'-'))
        text.remove(0, 1);
    else
        text.prepend(u'-');
}

void KeypadEntry::Prefix(QChar prefix) {
    if (text.contains(u'A') || text.contains(u'V') || HasPrefix() || !NonzeroOrHasZero())
        return;
    text += prefix;
}

bool KeypadEntry::Ampere() {
    return Unit(u'A', u'V');
}

bool KeypadEntry::Volt() {
    return Unit(u'V', u'A');
}

bool KeypadEntry::Unit(QChar unit, QChar other) {
    if (text.contains(other))
        return false;
    if (text.isEmpty())
        text = u'0' + QString(unit);
    if (!text.contains(u'A') && !text.contains(u'V') && NonzeroOrHasZero())
        text += unit;
    return true;
}

bool KeypadEntry::HasUnitInAnyCase() const {
    const QString upper = text.toUpper();
    return upper.contains(u'A') || upper.contains(u'V');
}

bool KeypadEntry::HasPrefix() const {
    return text.contains(u'u') || text.contains(u'm') || text.contains(u'M');
}

bool KeypadEntry::NonzeroOrHasZero() const {
    return link::NumberText::LeadingNumber(text) != 0.0 || text.contains(u'0');
}

} // namespace vk220::terminal
