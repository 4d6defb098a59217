// The reading displays of the polling windows: the fixed-decimal reading, the continuity current,
// the measurement window's reading with its NULL offset, and the insulation test voltage with the
// guard that keeps the range from changing under a dangerous voltage.
#include "functions/continuity/ContCurrent.h"
#include "functions/insulation/VoltageRanges.h"
#include "functions/measurement/DMMRanges.h"
#include "functions/measurement/DMMReading.h"
#include "fuzz/FuzzCheck.h"
#include "link/NumberText.h"
#include "link/Reading.h"

#include <QRegularExpression>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>

using namespace vk220::continuity;
using namespace vk220::insulation;
using namespace vk220::link;
using namespace vk220::measurement;

namespace {

// A reading as the windows get it: any double, or the leading number of a reply.
double Counts(FuzzedDataProvider &input) {
    if (input.ConsumeBool())
        return std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
    return NumberText::LeadingNumber(QString::fromStdString(input.ConsumeRandomLengthString(30)));
}

// `text` is a number with exactly `decimals` decimals and then `unit`, within half a step of
// `value`.
void CheckFixed(const QString &text, double value, int decimals, const QString &unit) {
    const QString pattern =
        decimals > 0 ? QStringLiteral("^-?[0-9]+\\.[0-9]{%1}%2$")
                           .arg(decimals)
                           .arg(QRegularExpression::escape(unit))
                     : QStringLiteral("^-?[0-9]+%1$").arg(QRegularExpression::escape(unit));
    FUZZ_CHECK(QRegularExpression(pattern).match(text).hasMatch());
    const double shown = NumberText::LeadingNumber(text);
    FUZZ_CHECK(std::fabs(shown - value) <=
               0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-15 * std::fabs(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const double value = Counts(input);
    const int decimals = input.ConsumeIntegralInRange(0, 6);
    if (std::isfinite(value))
        CheckFixed(Reading::Fixed(value, decimals, QStringLiteral("mA")), value, decimals,
                   QStringLiteral("mA"));

    const QString current = ContCurrent::Text(value);
    if (Reading::IsOverRange(value))
        FUZZ_CHECK(current == ContCurrent::OverRangeText);
    else
        CheckFixed(current, ContCurrent::Milliamps(value), 1, QStringLiteral("mA"));

    const int range = input.ConsumeIntegralInRange(-1, VoltageRanges::Count);
    const std::optional<QString> volts = VoltageRanges::DisplayFor(value, range);
    // Over range, or 50 V and more either way, and the range must not change.
    if (Reading::IsOverRange(value)) {
        FUZZ_CHECK(volts == VoltageRanges::OverRangeText && VoltageRanges::GuardRefuses(*volts));
    } else if (range < 0 || range >= VoltageRanges::Count) {
        FUZZ_CHECK(!volts);
    } else {
        const double measured =
            value / VoltageRanges::Table().at(static_cast<size_t>(range)).countsPerVolt;
        FUZZ_CHECK(volts.has_value());
        CheckFixed(*volts, measured, VoltageRanges::Table().at(static_cast<size_t>(range)).decimals,
                   QStringLiteral("V"));
        if (std::fabs(measured) >= VoltageRanges::GuardVolts)
            FUZZ_CHECK(VoltageRanges::GuardRefuses(*volts));
    }

    // Reading cycles of the measurement window, NULL switched on and off between them.
    const DMMRange &dmm = DMMRanges::Table().at(
        static_cast<size_t>(input.ConsumeIntegralInRange(0, DMMRanges::Count - 1)));
    double offset = 0;
    while (input.remaining_bytes() > 0) {
        const bool nullOn = input.ConsumeBool();
        const double raw = Counts(input);
        offset = DMMReading::UpdatedOffset(nullOn, offset, raw);
        FUZZ_CHECK(std::isfinite(offset) && (nullOn || offset == 0));
        const QString shown = DMMReading::Text(raw, offset, dmm);
        if (Reading::IsOverRange(raw))
            FUZZ_CHECK(shown == DMMReading::OverRangeText);
        else
            CheckFixed(shown, (raw - offset) * dmm.scale, dmm.decimals, dmm.unit);
    }
    return 0;
}
