// The terminal window's planner driven by random operator actions, STAND BY pressed while an
// action waits, closes and the exit. A small model of the window carries out each plan's steps as
// the window does; its lines leave through the real interlock and link to a port whose referee
// reports any hazard, and a model of the calibrator takes the lines written. Invariants: no
// hazard ever reaches the calibrator, and nothing at all after the exit; every line is plain
// ASCII; the planner never switches the adapter (a mask other than "p0") while the output is on; a
// refused output sends nothing; what is set is the entry handed to the output routine, and the
// readout shows it; "Hz" and "DC" set nothing while no output is set for the point, and otherwise
// set again exactly the value last set; HzLab names the frequency as sent; an action that shows a
// box leaves HzLab, CalOPLab and the readout as they were; the window shows the output on exactly
// when the calibrator was last told so, and the output point the adapter was last switched to; a
// history item names that point and reads back as the readout and frequency it was made of.
#include "functions/terminal/logic/AmplitudeRanges.h"
#include "functions/terminal/logic/CoilRules.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/CurrentPaths.h"
#include "functions/terminal/logic/FrequencyLimits.h"
#include "functions/terminal/logic/HistoryPick.h"
#include "functions/terminal/logic/KeypadEntry.h"
#include "functions/terminal/logic/PanelPlanner.h"
#include "functions/terminal/logic/PanelView.h"
#include "functions/terminal/logic/SetCalibratorOutput.h"
#include "functions/terminal/logic/TerminalButtons.h"
#include "fuzz/FuzzCheck.h"
#include "link/CalibratorLink.h"
#include "link/Interlock.h"
#include "link/NumberText.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/VirtualClock.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

using namespace vk220::link;
using namespace vk220::terminal;

namespace {

// What the calibrator and the adapter were told.
struct Calibrator {
    QString range = QStringLiteral("R1"); // the release sequence leaves range 1
    double value = 0;                     // "O", in the unit of the range
    double frequency = 0;
    bool outputOn = false;
    int mask = 0; // the last mask other than 0
    bool operator==(const Calibrator &) const = default;
};

// The controls a plan's steps act on.
struct Window {
    std::array<bool, TerminalButtons::Count> selected{};
    std::array<bool, TerminalButtons::Count> enabled{true, true, true, true, true, true,
                                                     true, true, true, true, true};
    bool pathsShown = false;
    QString entry;
    QString frequency = QStringLiteral("DC");
    QString display = QStringLiteral("0.000mV");
    QString calOutput = QStringLiteral("---");
    bool autosetChecked = true;
    bool autosetEnabled = true;
    bool outputOn = false;
    bool coilSelectPending = false;
    bool enterEnabled = true;
    bool plusMinusEnabled = true;
    QStringList history;
};

// The value of an amplitude range's "O" in base units.
double BaseValue(const Calibrator &calibrator, const AmplitudeRange &range) {
    return calibrator.value / range.sendScale;
}

bool Near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance + 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

class Rig final : private PanelView {
public:
    explicit Rig(FuzzedDataProvider &input) : input(input) {
        static const std::array<const char *, 6> ranges{"", "R1", "R8", "R12", "R22", "R64"};
        lastRange = QString::fromLatin1(ranges.at(input.ConsumeIntegralInRange<size_t>(0, 5)));
        window.autosetChecked = input.ConsumeBool();
        window.coilSelectPending = input.ConsumeBool();
        port.Open();
    }

    // Opens the window: a new window with a sender of its own; the autoset preference (its flag
    // file) and the shared wait for a current path outlive the window before it.
    void Load();
    void Act();

private:
    // An operator action, possibly overtaken by a STAND BY pressed while it waits, which then
    // runs next.
    void Request(const std::function<void()> &action);
    void Close();
    void Exit();
    // The shell's lines of the release and the exit.
    void Release(const QString &line);
    // A command the interlock let through, as the calibrator takes it.
    void Deliver(const QString &line);

    PanelState ReadState() const;
    OutputPoint Selection() const;
    void Carry(const PanelPlan &plan);
    void SendLine(const QString &line) override;
    void ShowBox(const InformBox &box) override;
    void ShowSelection(OutputPoint point, bool stopFlashing) override;
    // As the window does: an "S0" the interlock refused leaves the output shown in standby.
    void ShowOutputOn(bool on) override {
        window.outputOn = on && interlock.Model().OutputState() == CalibratorModel::Output::On;
    }
    void SetEntry(const QString &text) override { window.entry = text; }
    void SetCalOutput(const QString &text) override { window.calOutput = text; }
    void SetDisplay(const QString &text) override;
    void SetFrequency(const QString &text) override;
    void AddHistory(const QString &text) override;
    void SetAutosetBox(bool enabled, const QString &) override { window.autosetEnabled = enabled; }
    void SetPlusMinusEnabled(bool enabled) override { window.plusMinusEnabled = enabled; }
    void SetEnterBold(bool bold) override;
    void SetEnterEnabled(bool enabled) override { window.enterEnabled = enabled; }
    void SetCoilSelectPending(bool pending) override { window.coilSelectPending = pending; }
    void OfferCurrentPaths(const QList<int> &enabled, bool reselect) override;
    void PressKey(int index);
    // "Hz" or "DC", planned by `plan`.
    void ChangeFrequency(PanelPlan (*plan)(const PanelState &));
    void CheckReadout() const;
    QString TypedText();

    FuzzedDataProvider &input;
    VirtualClock clock;
    FakeSerialPort port{clock};
    CalibratorLink link{port, clock};
    Interlock interlock{link};
    Interlock::SenderId sender = Interlock::Shell;
    // The interlock stamp of the action running.
    int stamp = 0;
    bool exited = false;
    QString lastRange;
    bool outputUnset = false;
    double outputValue = 0;
    Window window;
    Calibrator calibrator;
    // At the output routine's start: the calibrator as it was and the entry it was handed.
    Calibrator beforeOutput;
    QString handedEntry;
    // The output point of the last output set.
    OutputPoint setPoint = OutputPoint::None;
};

OutputPoint Rig::Selection() const {
    return OutputPoints::FromSelection(window.selected);
}

PanelState Rig::ReadState() const {
    PanelState state;
    state.entry = window.entry;
    state.frequency = window.frequency;
    state.display = window.display;
    state.calOutput = window.calOutput;
    state.selected = Selection();
    QList<int> shownSelected;
    for (int i = 0; i < TerminalButtons::Count; ++i) {
        if (window.selected.at(static_cast<size_t>(i)))
            shownSelected << i;
    }
    state.currentPathInUse = CurrentPaths::InUse(shownSelected);
    state.autosetChecked = window.autosetChecked;
    state.outputOn = window.outputOn;
    state.coilSelectPending = window.coilSelectPending;
    state.lastRangeCommand = lastRange;
    state.outputUnset = outputUnset;
    state.outputValue = outputValue;
    state.enabledPaths.clear();
    for (const int index : CurrentPaths::Order) {
        if (window.enabled.at(static_cast<size_t>(index)))
            state.enabledPaths << index;
    }
    return state;
}

void Rig::Load() {
    const Window before = window;
    window = Window{};
    window.autosetChecked = before.autosetChecked;
    window.coilSelectPending = before.coilSelectPending;
    outputUnset = false;
    outputValue = 0;
    setPoint = OutputPoint::None;
    sender = interlock.OpenSender();
    Request([this] { Carry(PanelPlanner::Load(ReadState())); });
}

void Rig::Request(const std::function<void()> &action) {
    stamp = interlock.Standbys();
    const bool overtaken = input.ConsumeBool();
    if (overtaken)
        interlock.OperatorStandby();
    action();
    if (overtaken) {
        stamp = interlock.Standbys();
        Carry(PanelPlanner::Standby(ReadState()));
    }
    FUZZ_CHECK(port.Hazards().isEmpty());
}

void Rig::Exit() {
    Close();
    for (const char *line : {"S1", "R1", "O0"})
        Release(QString::fromLatin1(line));
    interlock.Shutdown();
    exited = true;
}

void Rig::SendLine(const QString &line) {
    FUZZ_CHECK(!line.isEmpty());
    for (const QChar c : line)
        FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() < 0x7f);
    if (line.startsWith(u'p') && line != QStringLiteral("p0"))
        FUZZ_CHECK(!calibrator.outputOn);
    const qsizetype before = port.written.size();
    interlock.Send(sender, line, stamp);
    for (qsizetype i = before; i < port.written.size(); ++i)
        Deliver(port.written.at(i));
}

void Rig::Close() {
    interlock.Revoke(sender);
    for (const char *line : {"p16777216", "p0", "R1/O0/S1/# PC Control"})
        Release(QString::fromLatin1(line));
}

void Rig::Release(const QString &line) {
    const qsizetype before = port.written.size();
    interlock.Send(Interlock::Shell, line);
    for (qsizetype i = before; i < port.written.size(); ++i) {
        for (const QString &command : port.written.at(i).split(u'/')) {
            if (!command.startsWith(u'#'))
                Deliver(command);
        }
    }
}

void Rig::Deliver(const QString &line) {
    const QStringView argument = QStringView(line).sliced(1);
    switch (line.front().unicode()) {
    case u'S':
        calibrator.outputOn = argument == u"0";
        break;
    case u'p':
        if (argument != u"0")
            calibrator.mask = argument.toInt();
        break;
    case u'R':
        calibrator.range = line;
        break;
    case u'O':
        calibrator.value = NumberText::LeadingNumber(argument);
        break;
    case u'F':
        calibrator.frequency = NumberText::LeadingNumber(argument);
        break;
    default:
        break;
    }
}

// The readout shows what the calibrator delivers through the point's turns, to its last digit.
void Rig::CheckReadout() const {
    const AmplitudeRange *range = AmplitudeRanges::FindByCommand(calibrator.range);
    if (range == nullptr)
        return;
    const ConValResult shown = ConVal(window.display);
    FUZZ_CHECK(FamilyOfUnit(shown.unit) == range->family);
    const qsizetype point = window.display.indexOf(u'.');
    const qsizetype decimals =
        point < 0 ? 0 : window.display.size() - point - 1 - shown.unit.size();
    const double step =
        std::pow(10.0, -static_cast<double>(decimals)) * ConVal(QString(u'1' + shown.unit)).value;
    const int turns = OutputPoints::CoilTurns(Selection());
    FUZZ_CHECK(Near(shown.value, BaseValue(calibrator, *range) * turns, step / 2));
}

void Rig::ShowBox(const InformBox &box) {
    if (box.title == OutputRefusal(QString()).title)
        FUZZ_CHECK(calibrator == beforeOutput);
}

void Rig::ShowSelection(OutputPoint point, bool) {
    window.selected.fill(false);
    for (const int index : OutputPoints::Buttons(point))
        window.selected.at(static_cast<size_t>(index)) = true;
}

// "DC", or the number of the frequency command sent with "Hz".
void Rig::SetFrequency(const QString &text) {
    FUZZ_CHECK(text == QStringLiteral("DC") ||
               text == NumberText::General(NumberText::LeadingNumber(text)) + QStringLiteral("Hz"));
    window.frequency = text;
}

void Rig::SetDisplay(const QString &text) {
    window.display = text;
    CheckReadout();
}

void Rig::SetEnterBold(bool bold) {
    if (bold) {
        beforeOutput = calibrator;
        handedEntry = window.entry;
        return;
    }
    // Set: the range, value and frequency of the entry handed to the output routine.
    setPoint = Selection();
    const AmplitudeRange *range = AmplitudeRanges::FindByCommand(calibrator.range);
    if (range == nullptr)
        return;
    const double f = NumberText::LeadingNumber(window.frequency);
    const bool ac = calibrator.range != AmplitudeRanges::Command(*range, false);
    FUZZ_CHECK(ac == (f != 0));
    FUZZ_CHECK(!ac || calibrator.frequency == f);
    FUZZ_CHECK(Near(BaseValue(calibrator, *range), ConVal(handedEntry).value, 0));
}

// A history item names the output point, and a pick reads back the readout and the frequency.
void Rig::AddHistory(const QString &text) {
    FUZZ_CHECK(
        text.endsWith(QStringLiteral(" (") + TerminalButtons::PointName(Selection()) + u')'));
    const HistoryPick pick = ParseHistoryPick(text);
    FUZZ_CHECK(pick.entry == window.display && pick.frequency == window.frequency);
    window.history << text;
}

void Rig::OfferCurrentPaths(const QList<int> &enabled, bool reselect) {
    for (const int index : CurrentPaths::Order) {
        const auto i = static_cast<size_t>(index);
        window.enabled.at(i) = enabled.contains(index);
        if (reselect || !window.enabled.at(i))
            window.selected.at(i) = false;
    }
}

void Rig::Carry(const PanelPlan &plan) {
    lastRange = plan.after.lastRangeCommand;
    outputUnset = plan.after.outputUnset;
    outputValue = plan.after.outputValue;
    const QStringList commands = plan.Commands();
    const Window shown = window;
    for (const InformBox &box : plan.Of<InformBox>()) {
        if (box.title == CoilRules::LimitBox(2).title)
            FUZZ_CHECK(commands == QStringList{QStringLiteral("S1")});
        if (box.title == FrequencyLimits::Refusal(0)->title ||
            box.title == FrequencyLimits::Refusal(1e9)->title)
            FUZZ_CHECK(commands.isEmpty());
    }
    for (const PanelStep &step : plan.steps)
        Apply(step);
    // A refusal puts back every label it changed.
    if (!plan.Of<InformBox>().isEmpty())
        FUZZ_CHECK(window.frequency == shown.frequency && window.calOutput == shown.calOutput &&
                   window.display == shown.display);
    FUZZ_CHECK(window.outputOn == calibrator.outputOn);
    if (Selection() != OutputPoint::None)
        FUZZ_CHECK(calibrator.mask ==
                   TerminalButtons::All()[static_cast<size_t>(Selection())].mask);
    // A live output is always the one set for the point selected: a current path picked for a
    // keyed current keeps the output in standby until ENTER sets that current.
    if (calibrator.outputOn) {
        FUZZ_CHECK(Selection() == setPoint);
        CheckReadout();
    }
}

void Rig::PressKey(int index) {
    KeypadEntry entry(window.entry);
    switch (entry.Press(index)) {
    case KeypadEntry::Outcome::Frequency:
        ChangeFrequency(PanelPlanner::Hz);
        return;
    case KeypadEntry::Outcome::DirectCurrent:
        ChangeFrequency(PanelPlanner::Dc);
        return;
    case KeypadEntry::Outcome::Enter:
        Carry(PanelPlanner::Enter(ReadState()));
        return;
    case KeypadEntry::Outcome::Ampere:
        window.entry = entry.Text();
        window.pathsShown = true;
        Carry(PanelPlanner::CurrentEntry(ReadState()));
        return;
    case KeypadEntry::Outcome::Volt:
        window.entry = entry.Text();
        window.pathsShown = false;
        window.enterEnabled = true;
        break;
    case KeypadEntry::Outcome::Edited:
    case KeypadEntry::Outcome::Ignored:
        window.entry = entry.Text();
        break;
    }
    if (index != KeypadKey::Ampere)
        window.coilSelectPending = false;
}

void Rig::ChangeFrequency(PanelPlan (*plan)(const PanelState &)) {
    const bool unset = outputUnset;
    const Calibrator before = calibrator;
    const PanelPlan planned = plan(ReadState());
    const QStringList commands = planned.Commands();
    const bool valueSent = std::any_of(commands.begin(), commands.end(),
                                       [](const QString &line) { return line.startsWith(u'O'); });
    Carry(planned);
    // Nothing reaches a point no output was set for; otherwise the value set before, unrounded.
    if (unset)
        FUZZ_CHECK(commands.isEmpty());
    const AmplitudeRange *was = AmplitudeRanges::FindByCommand(before.range);
    const AmplitudeRange *now = AmplitudeRanges::FindByCommand(calibrator.range);
    if (valueSent && was != nullptr && now != nullptr && was->family == now->family)
        FUZZ_CHECK(Near(BaseValue(calibrator, *now), BaseValue(before, *was), 0));
}

// What an operator might type into the entry line.
QString Rig::TypedText() {
    static const QString alphabet = QStringLiteral("0123456789.,-+eE mukMVAFHRz:\u00B5");
    QString text;
    for (const char c : input.ConsumeRandomLengthString(12))
        text += alphabet.at(static_cast<unsigned char>(c) % alphabet.size());
    return text;
}

void Rig::Act() {
    if (exited) {
        // A window's action still under way after the exit: none of its lines goes out.
        const qsizetype before = port.written.size();
        for (const QString &line : PanelPlanner::Enter(ReadState()).Commands())
            interlock.Send(input.ConsumeBool() ? sender : Interlock::Shell, line, stamp);
        FUZZ_CHECK(port.written.size() == before);
        window.entry = TypedText();
        return;
    }
    switch (input.ConsumeIntegralInRange(0, 9)) {
    case 0: {
        const int key = input.ConsumeIntegralInRange(0, KeypadKey::Count - 1);
        if ((key == KeypadKey::PlusMinus && !window.plusMinusEnabled) ||
            (key == KeypadKey::Enter && !window.enterEnabled))
            return;
        Request([this, key] { PressKey(key); });
        return;
    }
    case 1:
        window.entry = TypedText();
        return;
    case 2: // Enter in the entry line, also while the ENTER key is disabled
        Request([this] { Carry(PanelPlanner::Enter(ReadState())); });
        return;
    case 3:
        if (!window.history.isEmpty()) {
            const QString item = window.history.at(
                input.ConsumeIntegralInRange<qsizetype>(0, window.history.size() - 1));
            Request([this, &item] { Carry(PanelPlanner::PickHistory(item, ReadState())); });
        }
        return;
    case 4: {
        const int index = input.ConsumeIntegralInRange(0, TerminalButtons::Count - 1);
        if (CurrentPaths::IsCurrentPath(index) &&
            !(window.pathsShown && window.enabled.at(static_cast<size_t>(index))))
            return;
        Request([this, index] { Carry(PanelPlanner::SelectTerminal(index, ReadState())); });
        return;
    }
    case 5:
        Request([this] { Carry(PanelPlanner::OutputOn(ReadState())); });
        return;
    case 6:
        interlock.OperatorStandby();
        Request([this] { Carry(PanelPlanner::Standby(ReadState())); });
        return;
    case 7:
        if (window.autosetEnabled) {
            window.autosetChecked = !window.autosetChecked;
            Request([this] {
                Carry(PanelPlanner::AutosetChanged(window.autosetChecked, ReadState()));
            });
        }
        return;
    case 8:
        Close();
        Load();
        return;
    default:
        Exit();
        return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Rig rig(input);
    rig.Load();
    while (input.remaining_bytes() > 0)
        rig.Act();
    return 0;
}
