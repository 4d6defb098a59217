#pragma once

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// Formats a number text for the readout with a digit mask of "0" positions and at most one ".":
// rounded half away from zero to the mask's decimals, no leading zeros before the integer digit,
// a "-" in front when the text begins with one. FormatNumberText("12.5", "000.000") is "12.500",
// FormatNumberText("0", "000.000") is "0.000". The decimal separator is the point; a comma in the
// text is read as one. A text that is no number formats as 0; one too large for a double comes
// back trimmed as it was.
QString FormatNumberText(QStringView text, QStringView mask);

} // namespace vk220::terminal
