#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace vk220::insulation {

// The manual resistance entry: what the entry box lets through as it is typed, and how Set turns
// the box's text into the six digit captions (index 0 = 0.01 MΩ ... index 5 = 1000 MΩ).
namespace ManualEntry {

struct Filtered {
    QString text;
    // A character was taken out.
    bool removed = false;
};

// Keeps the ASCII digits and the first "." of the text; every other character goes.
Filtered Filter(QStringView text);

enum class Outcome {
    // Nothing to set: the box is empty.
    Empty,
    // 10000 MΩ or more.
    AboveMaximum,
    // 2000 to 9999.99 MΩ: the adapter has no thousands digit beyond 1. Both are refused with the
    // same message, which names the true limit, 1999.99 MΩ.
    AboveOutput,
    // Above 0 but finer than the 0.01 MΩ step, so it would set 0.00 MΩ.
    BelowStep,
    Accepted,
};

struct Split {
    Outcome outcome = Outcome::Empty;
    // The digit captions, by index; meaningful when accepted.
    std::array<QString, 6> digits;
};

// Reads the box's text (filtered as typed): the integer part gives digits 2 to 5 right to left,
// the first two decimals give digits 1 and 0, further decimals are dropped.
Split Read(QStringView text);

inline const QString MessageTitle = QStringLiteral("Invalid Resistance Value");
// The text of the message that refuses an outcome other than Empty and Accepted.
QString Message(Outcome outcome);

} // namespace ManualEntry

} // namespace vk220::insulation
