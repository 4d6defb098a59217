#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace vk220::link {

// Numbers read from and written to the calibrator's command lines and entry boxes.
namespace NumberText {

// Reads the number at the start of a text the way every entry box and reply is read: blanks,
// tabs and line feeds are ignored wherever they stand; then an optional sign, digits with at most
// one decimal point and an optional exponent introduced by E or D; the first other character ends
// the number. A text without a leading digit reads as 0. A value too large for a double reads as
// an infinity of its sign, so that every range check refuses it.
double LeadingNumber(QStringView text);
// As LeadingNumber, but nothing for a text without a leading digit (a reply holding no number).
std::optional<double> FindLeadingNumber(QStringView text);

// General decimal form: at most 15 significant digits, no trailing zeros, no point for whole
// numbers, "0.5" for a pure fraction, never an exponent. Used for temperatures.
QString General(double value);

// Short form of command values: as General, but a pure fraction loses its leading zero (".5",
// "-.5") and magnitudes below 0.0001 or from 1e15 up are written with an exponent ("1E-05").
QString Short(double value);

} // namespace NumberText

} // namespace vk220::link
