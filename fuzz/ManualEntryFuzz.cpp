// The insulation window's manual resistance entry: what the box lets through as it is typed, and
// the six digits Set makes of it.
#include "functions/insulation/ManualEntry.h"
#include "fuzz/FuzzCheck.h"
#include "link/NumberText.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace vk220::insulation;
using namespace vk220::link;

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ManualEntry::Filtered filtered = ManualEntry::Filter(typed);
    FUZZ_CHECK(filtered.text.count(u'.') <= 1);
    for (const QChar c : filtered.text)
        FUZZ_CHECK(IsDigit(c) || c == u'.');
    FUZZ_CHECK(filtered.removed == (filtered.text.size() != typed.size()));
    FUZZ_CHECK(ManualEntry::Filter(filtered.text).text == filtered.text);

    const ManualEntry::Split split = ManualEntry::Read(typed);
    // Read as a double, a long run of nines may round up to the next limit, and a long run of
    // zeros after the point down to 0.
    const double megohms = NumberText::LeadingNumber(filtered.text);
    switch (split.outcome) {
    case ManualEntry::Outcome::Empty:
        FUZZ_CHECK(filtered.text.isEmpty());
        break;
    case ManualEntry::Outcome::AboveMaximum:
        FUZZ_CHECK(megohms >= 10000);
        break;
    case ManualEntry::Outcome::AboveOutput:
        FUZZ_CHECK(megohms >= 2000 && megohms <= 10000);
        break;
    case ManualEntry::Outcome::BelowStep:
        FUZZ_CHECK(megohms <= 0.01 && std::any_of(filtered.text.begin(), filtered.text.end(),
                                                  [](QChar c) { return c >= u'1' && c <= u'9'; }));
        break;
    case ManualEntry::Outcome::Accepted: {
        // The digits set the entry's value, cut to the 0.01 MΩ step.
        double set = 0;
        for (int k = 5; k >= 0; --k) {
            const QString &digit = split.digits.at(static_cast<size_t>(k));
            FUZZ_CHECK(digit.size() == 1 && IsDigit(digit.front()));
            set = set * 10 + digit.front().digitValue();
        }
        set /= 100;
        FUZZ_CHECK(set <= 1999.99 && megohms <= 2000);
        FUZZ_CHECK(megohms - set > -1e-9 && megohms - set < 0.01 + 1e-9);
        break;
    }
    }
    return 0;
}
