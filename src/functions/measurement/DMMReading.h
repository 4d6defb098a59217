#pragma once

#include <QString>

namespace vk220::measurement {

struct DMMRange;

// The reading cycle's arithmetic: the NULL offset and the reading display.
namespace DMMReading {

inline const QString OverRangeText = QStringLiteral("Overrange");

// The NULL offset after a reading of `raw` counts. With NULL on and no offset held, the reading
// becomes the offset; with NULL off, any offset is dropped. An offset of 0 counts as none, so a
// zero reading is captured again on the next cycle. Any finite reading is captured, an over-range
// one too; an infinite one (an overflowing reply) is not.
double UpdatedOffset(bool nullOn, double offset, double raw);

// The reading in the range's unit: `raw` counts less `offset`, scaled.
double Value(double raw, double offset, const DMMRange &range);

// The reading display for `raw` counts less `offset` on `range`: "3.413mA". Over range is judged
// on the raw reading, before the offset is taken off.
QString Text(double raw, double offset, const DMMRange &range);

} // namespace DMMReading

} // namespace vk220::measurement
