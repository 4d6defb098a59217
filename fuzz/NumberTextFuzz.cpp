// The leading-number parse against the C library's strtod, and the round trips of the number
// texts written into command lines.
#include "fuzz/FuzzCheck.h"
#include "link/NumberText.h"

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace vk220::link;

namespace {

// A number text in the plain grammar both parsers share (no blanks, no "D" exponent). strtod
// runs in the "C" locale here: nothing in this process changes it.
void CompareWithStrtod(const std::string &raw) {
    std::string text;
    for (const char c : raw)
        text += "0123456789.-+e"[static_cast<unsigned char>(c) % 14];
    char *end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size())
        return;
    FUZZ_CHECK(NumberText::LeadingNumber(QString::fromLatin1(text)) == expected);
}

// The texts keep 15 significant digits: read back, they give the same text again, and a value
// within that precision. Rounded to 15 digits, the very largest doubles would exceed the largest.
void RoundTrip(double value) {
    if (!(std::fabs(value) <= 1e308))
        return;
    for (QString (*form)(double) : {NumberText::General, NumberText::Short}) {
        const QString text = form(value);
        const double read = NumberText::LeadingNumber(text);
        FUZZ_CHECK(form(read) == text);
        FUZZ_CHECK(std::fabs(read - value) <= 1e-14 * std::fabs(value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RoundTrip(std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>()));
    CompareWithStrtod(input.ConsumeRandomLengthString(400));
    const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    const double value = NumberText::LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    RoundTrip(value);
    return 0;
}
