#pragma once

#include "procedures/Quantity.h"

#include <QString>

#include <optional>

namespace vk220::runner {

// What the technician keys as the UUT's reading: a number, read in the unit and prefix the point's
// nominal is written in ("100.3" on a "100 MΩ" point is 100.3 MΩ), or a number with its own
// prefix and unit, read by the keypad's rules ("99.8 MΩ", "0.1003 GΩ").
namespace KeyedReading {

inline const QString RefusalTitle = QStringLiteral("Invalid Reading");

// The reading in the nominal's base unit; nothing, with the message in `refusal`, for an entry
// that is no number or names another unit.
std::optional<double> Read(const QString &text, const procedures::Quantity &nominal,
                           QString *refusal);

} // namespace KeyedReading

} // namespace vk220::runner
