#include "functions/terminal/widgets/TerminalForm.h"

#include "functions/terminal/logic/KeypadEntry.h"
#include "functions/terminal/logic/PanelPlanner.h"
#include "functions/terminal/logic/TerminalMemory.h"
#include "functions/terminal/widgets/CalibratorDisplay.h"
#include "functions/terminal/widgets/TerminalKeypad.h"
#include "functions/terminal/widgets/TerminalSelector.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/TabOrder.h"
#include "ui/UserToggle.h"
#include "ui/logic/ProgramState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vk220::terminal {

namespace {

constexpr int WidthTwips = 10785;
constexpr int HeightTwips = 8430;

// A preference is stored as the presence of its flag file in the current folder. A file that
// cannot be created or deleted is left as it is; the box keeps the operator's choice.
void SetFlagFile(const QString &name, bool present) {
    if (!present) {
        QFile::remove(name);
        return;
    }
    // A link is never followed: opened for writing, one planted here would create or truncate
    // whatever it points at.
    if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
        return;
    QFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.close();
}

void SetCaptionFont(QWidget &widget, int pointSize) {
    QFont font = widget.font();
    font.setPointSize(pointSize);
    font.setBold(true);
    widget.setFont(font);
}

} // namespace

TerminalForm::TerminalForm(ui::FunctionContext &context)
    : ui::FunctionWindow(context, Title, WidthTwips, HeightTwips), keypad(new TerminalKeypad(this)),
      selector(new TerminalSelector(*this)), readouts(new CalibratorDisplay(this)),
      onBut(new QPushButton(QStringLiteral("OUTPUT ON"), this)),
      offBut(new QPushButton(QStringLiteral("STAND BY"), this)),
      autoCheck(new QCheckBox(QStringLiteral("Autoset Output ON"), this)),
      autoRange(new QCheckBox(QStringLiteral("Range Autoselect"), this)),
      view(*this, context, {*keypad, *selector, *readouts, *onBut, *offBut, *autoCheck}) {
    ui::Controls::Name(*onBut, QStringLiteral("ONBut"));
    ui::Controls::Name(*offBut, QStringLiteral("OffBut"));
    ui::Controls::Name(*autoCheck, QStringLiteral("AutoCheck"));
    ui::Controls::Name(*autoRange, QStringLiteral("AutoRange"));
    autoCheck->setToolTip(QStringLiteral("Sets output on automatically"));
    autoRange->setToolTip(QStringLiteral("Sets current range / coil turns depending on output"));
    autoCheck->setChecked(true);

    // OPLab mirrors the entry line on every change, however it is made.
    connect(&keypad->KBText(), &QComboBox::editTextChanged, &readouts->OPLab(), &QLabel::setText);
    connect(&keypad->KBText(), &QComboBox::editTextChanged, this, [this] { ShowGuidance(); });
    connect(keypad, &TerminalKeypad::KeyPressed, this,
            [this](int index) { Act(AsAsked([this, index] { PressKey(index); })); });
    connect(keypad, &TerminalKeypad::EntryReturned, this,
            [this] { Act(AsAsked([this] { view.Carry(PanelPlanner::Enter(ReadState())); })); });
    connect(keypad, &TerminalKeypad::HistoryPicked, this, [this](const QString &item) {
        Act(AsAsked([this, item] { view.Carry(PanelPlanner::PickHistory(item, ReadState())); }));
    });
    connect(&selector->TermBut(), &ui::ButtonArray::Clicked, this, [this](int index) {
        Act(AsAsked([this, index] {
            view.Carry(PanelPlanner::SelectTerminal(index, ReadState()));
            note = Guidance::AfterClick(index, selector->Selection());
        }));
    });
    // STAND BY goes ahead of whatever else waits, and an OUTPUT ON still waiting is dropped: the
    // output must not stay on any longer, nor come on again after it (the interlock refuses the
    // "S0" of any action asked for before it).
    const QString output = QStringLiteral("output");
    connect(onBut, &QPushButton::clicked, this, [this, output] {
        Act(AsAsked([this] { view.Carry(PanelPlanner::OutputOn(ReadState())); }), output);
    });
    connect(offBut, &QPushButton::clicked, this, [this, output] {
        Actions().ActStandby(AsAsked([this] { view.Carry(PanelPlanner::Standby(ReadState())); }),
                             output);
    });
    ui::UserToggle::Connect(*autoCheck, [this](bool checked) { AutoCheckClicked(checked); });
    ui::UserToggle::Connect(*autoRange, [this](bool checked) { AutoRangeClicked(checked); });
    BuildLayout();
}

void TerminalForm::BuildLayout() {
    SetCaptionFont(*onBut, ui::FontSizes::Caption);
    SetCaptionFont(*offBut, ui::FontSizes::Caption);
    onBut->setMinimumHeight(34);
    offBut->setMinimumHeight(34);

    auto *output = new QHBoxLayout;
    output->addWidget(onBut);
    output->addWidget(offBut);

    auto *calibrator = new QVBoxLayout;
    calibrator->addWidget(readouts);
    calibrator->addWidget(keypad, 1);
    calibrator->addLayout(output);

    auto *adapter = new QVBoxLayout;
    adapter->addWidget(&selector->TerminalColumn());
    adapter->addWidget(&selector->VoltageTerminals());
    adapter->addSpacing(8);
    adapter->addWidget(&selector->CurrentPathGroup());
    adapter->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addLayout(calibrator, 3);
    body->addLayout(adapter, 2);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(autoCheck);
    bottom->addWidget(autoRange);
    bottom->addStretch(1);
    bottom->addWidget(&CloseButton());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(&selector->CoilRow());
    layout->addLayout(bottom);
    ui::TabOrder::Chain(keypad->InTabOrder() + QList<QWidget *>{onBut, offBut} +
                        selector->InTabOrder() + QList<QWidget *>{autoCheck, autoRange});
}

void TerminalForm::OnLoad() {
    ui::UserToggle::SetChecked(*autoCheck, !QFileInfo::exists(AutoOnFile));
    autosetAsked = autoCheck->isChecked();
    view.Carry(PanelPlanner::Load(ReadState()));
    keypad->EnterKey().show();
    view.ShowOutputState();
    ShowGuidance();
}

void TerminalForm::OnUnload() {
    selector->StopFlashing();
}

PanelState TerminalForm::ReadState() const {
    return view.ReadState(autosetAsked);
}

void TerminalForm::PressKey(int index) {
    KeypadEntry entry(keypad->Entry());
    const KeypadEntry::Outcome outcome = entry.Press(index);
    switch (outcome) {
    case KeypadEntry::Outcome::Frequency:
        view.Carry(PanelPlanner::Hz(ReadState()));
        return;
    case KeypadEntry::Outcome::DirectCurrent:
        view.Carry(PanelPlanner::Dc(ReadState()));
        return;
    case KeypadEntry::Outcome::Enter:
        view.Carry(PanelPlanner::Enter(ReadState()));
        return;
    case KeypadEntry::Outcome::Ampere:
        keypad->SetEntry(entry.Text());
        selector->ShowPaths(true);
        view.Carry(PanelPlanner::CurrentEntry(ReadState()));
        return;
    case KeypadEntry::Outcome::Volt:
        keypad->SetEntry(entry.Text());
        selector->ShowPaths(false);
        keypad->EnterKey().show();
        keypad->EnterKey().setEnabled(true);
        break;
    case KeypadEntry::Outcome::Edited:
    case KeypadEntry::Outcome::Ignored:
        keypad->SetEntry(entry.Text());
        break;
    }
    // Any key but "A" ends a wait for a current path.
    if (index != KeypadKey::Ampere)
        context.state.Kept<TerminalMemory>().CoilSelectPending = false;
}

void TerminalForm::AutoCheckClicked(bool checked) {
    Act(AsAsked([this, checked] {
        SetFlagFile(AutoOnFile, !checked);
        view.Carry(PanelPlanner::AutosetChanged(checked, ReadState()));
    }));
}

ui::ActionQueue::Action TerminalForm::AsAsked(ui::ActionQueue::Action action) {
    return [this, action = std::move(action), autoset = autoCheck->isChecked()] {
        autosetAsked = autoset;
        note = Guidance::Note::None;
        action();
        view.ShowOutputState();
        ShowGuidance();
    };
}

void TerminalForm::ShowGuidance() {
    const bool waitingForPath = selector->CFlash().isActive() && !keypad->EnterKey().isEnabled();
    keypad->GuideLab().setText(Guidance::Text(ReadState(), waitingForPath, note));
}

void TerminalForm::AutoRangeClicked(bool checked) {
    SetFlagFile(AutoRangeFile, !checked);
}

} // namespace vk220::terminal
