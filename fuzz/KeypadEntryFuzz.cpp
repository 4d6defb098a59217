// Keypad key sequences on any entry, the value texts of the entry line (ConVal) and history picks.
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/HistoryPick.h"
#include "functions/terminal/logic/KeypadEntry.h"
#include "functions/terminal/logic/Readout.h"
#include "fuzz/FuzzCheck.h"

#include <QRegularExpression>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

using namespace vk220::terminal;

namespace {

void CheckConVal(const QString &text) {
    const ConValResult result = ConVal(text);
    FUZZ_CHECK(!std::isnan(result.value));
    FUZZ_CHECK(text.endsWith(result.unit));
}

// Keys on an entry: the keys that act on the calibrator leave it as it is, and keyed from an
// empty entry it stays well formed.
void PressKeys(FuzzedDataProvider &input) {
    static const QRegularExpression wellFormed(QStringLiteral("^-?[0-9]*\\.?[0-9]*[um]?[AV]?$"));
    const bool keyed = input.ConsumeBool();
    KeypadEntry entry(keyed ? QString()
                            : QString::fromStdString(input.ConsumeRandomLengthString(24)));
    const int count = input.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < count; ++i) {
        const QString before = entry.Text();
        const KeypadEntry::Outcome outcome =
            entry.Press(input.ConsumeIntegralInRange(0, KeypadKey::Count - 1));
        if (outcome == KeypadEntry::Outcome::Frequency ||
            outcome == KeypadEntry::Outcome::DirectCurrent ||
            outcome == KeypadEntry::Outcome::Enter || outcome == KeypadEntry::Outcome::Ignored)
            FUZZ_CHECK(entry.Text() == before);
        if (keyed)
            FUZZ_CHECK(wellFormed.match(entry.Text()).hasMatch());
        CheckConVal(entry.Text());
    }
}

// A history entry is the readout, " : " and the frequency label; a pick gives both back.
void PickHistory(FuzzedDataProvider &input) {
    const QString item = QString::fromStdString(input.ConsumeRandomLengthString(40));
    const HistoryPick pick = ParseHistoryPick(item);
    FUZZ_CHECK(item.startsWith(pick.entry));
    FUZZ_CHECK(pick.frequency.has_value() == item.contains(u':'));
    if (pick.frequency)
        FUZZ_CHECK(item.endsWith(*pick.frequency));
    else
        FUZZ_CHECK(pick.entry == item);

    QString display = QString::fromStdString(input.ConsumeRandomLengthString(20));
    display.remove(u':');
    // A frequency never holds a bracket: the output point follows it in brackets.
    QString frequency = QString::fromStdString(input.ConsumeRandomLengthString(20));
    frequency.remove(u'(');
    const auto point = static_cast<OutputPoint>(input.ConsumeIntegralInRange(-1, 5));
    const HistoryPick back = ParseHistoryPick(Readout::HistoryEntry(display, frequency, point));
    FUZZ_CHECK(back.entry == display && back.frequency == frequency);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    PressKeys(input);
    PickHistory(input);
    CheckConVal(QString::fromStdString(input.ConsumeRemainingBytesAsString()));
    return 0;
}
