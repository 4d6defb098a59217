#include "functions/thermocouple/ThermoForm.h"

#include "functions/thermocouple/TemperatureSetting.h"
#include "functions/thermocouple/ThermocoupleTypes.h"
#include "ui/Controls.h"
#include "ui/EntryRow.h"
#include "ui/FontSizes.h"
#include "ui/UserToggle.h"
#include "ui/logic/MessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include "link/NumberText.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vk220::thermocouple {

namespace {

constexpr int WidthTwips = 6900;
constexpr int HeightTwips = 5100;
constexpr int ManualOption = 0;
constexpr int AutoOption = 1;

} // namespace

ThermoForm::ThermoForm(ui::FunctionContext &context)
    : ui::FunctionWindow(context, Title, WidthTwips, HeightTwips), thermoCombo(new QComboBox),
      entryRow(new ui::EntryRow(QStringLiteral("TempManText"), QString())),
      tempManText(&entryRow->Entry()), cjOpt(new QButtonGroup(this)),
      tempLab(ui::Controls::BoldLabel(QStringLiteral("0\u00B0C"), ui::FontSizes::Setting)),
      thermoTypeLab(ui::Controls::BoldLabel(QStringLiteral("TYPE K"), ui::FontSizes::Title)),
      outputOnLab(ui::Controls::BoldLabel(QStringLiteral("Output on"), ui::FontSizes::Flag,
                                          QStringLiteral("OutputOnLab"))) {
    ui::Controls::Name(*thermoCombo, QStringLiteral("ThermoCombo"));
    setFocusProxy(tempManText);
    ui::Controls::Name(*tempLab, QStringLiteral("TempLab"));
    ui::Controls::Name(*thermoTypeLab, QStringLiteral("ThermoTypeLab"));
    ShowOutputOn();

    auto *cjFrame = new QGroupBox(QStringLiteral("Cold Junction Compensation"));
    auto *cjLayout = new QHBoxLayout(cjFrame);
    const QString cjCaptions[] = {QStringLiteral("Manual (0\u00B0C)"), QStringLiteral("Auto")};
    for (int i : {ManualOption, AutoOption}) {
        auto *option = new QRadioButton(cjCaptions[i]);
        ui::Controls::Name(*option, ui::Controls::ArrayName(QStringLiteral("CJOpt"), i));
        cjOpt->addButton(option, i);
        cjLayout->addWidget(option);
        // Each choice sends the setting again, also a click on the option already chosen.
        ui::UserToggle::Connect(*option, [this](bool) { SetTyped(); });
    }
    ui::UserToggle::SetChecked(*cjOpt->button(AutoOption), true);

    // Every choice from the list applies the type at once, even the entry already shown; the
    // selection made while the window opens is not the operator's and sets nothing.
    connect(thermoCombo, &QComboBox::activated, this, [this] { Act([this] { Set(); }); });
    connect(&entryRow->SetBut(), &QPushButton::clicked, this, [this] { Act([this] { Set(); }); });

    auto *controls = new QVBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Thermocouple Type")));
    controls->addWidget(thermoCombo);
    controls->addSpacing(8);
    controls->addWidget(new QLabel(QStringLiteral("ENTER VALUE")));
    controls->addWidget(entryRow);
    controls->addSpacing(8);
    controls->addWidget(cjFrame);
    controls->addStretch(1);

    auto *display = new QFrame;
    display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(
        ui::Controls::BoldLabel(QStringLiteral("THERMOCOUPLE"), ui::FontSizes::Caption));
    displayLayout->addWidget(
        ui::Controls::BoldLabel(QStringLiteral("SIMULATION"), ui::FontSizes::Caption));
    displayLayout->addStretch(1);
    displayLayout->addWidget(thermoTypeLab);
    displayLayout->addWidget(tempLab);
    displayLayout->addStretch(1);
    displayLayout->addWidget(outputOnLab);

    auto *body = new QHBoxLayout;
    body->addLayout(controls, 3);
    body->addWidget(display, 2);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(&CloseButton());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        ui::Controls::BoldLabel(QStringLiteral("THERMOCOUPLE SIMULATION"), ui::FontSizes::Heading));
    layout->addLayout(body, 1);
    layout->addLayout(closeRow);
}

void ThermoForm::OnLoad() {
    thermoCombo->addItems(ThermocoupleTypes::SelectorEntries());
    thermoCombo->setCurrentIndex(0);
    Sender().SendMask(TemperatureSetting::SwitchingMask);
    Send(TemperatureSetting::RangeCommand);
    ShowOutputOn();
}

bool ThermoForm::OnEnterKey() {
    return SetTyped();
}

bool ThermoForm::SetTyped() {
    if (tempManText->text().isEmpty())
        return false;
    Act([this] { Set(); });
    return true;
}

void ThermoForm::Set() {
    SetTemp(link::NumberText::LeadingNumber(tempManText->text()), cjOpt->checkedId() == AutoOption);
}

void ThermoForm::SetTemp(double tempVal, bool autoCjc) {
    // Read once: the list can change while the command waits for its reply, and the display
    // must show the type that was sent.
    const int typeIndex = thermoCombo->currentIndex();
    const QString typeText = thermoCombo->currentText();
    const QString refusal = TemperatureSetting::Refusal(typeIndex, tempVal);
    if (!refusal.isEmpty()) {
        context.boxes.Inform(TemperatureSetting::MessageTitle, refusal);
        return;
    }
    Send(TemperatureSetting::Command(typeIndex, tempVal, autoCjc));
    tempLab->setText(TemperatureSetting::TemperatureCaption(tempVal));
    thermoTypeLab->setText(TemperatureSetting::TypeCaption(typeText));
    ShowOutputOn();
}

void ThermoForm::ShowOutputOn() {
    outputOnLab->setVisible(context.state.interlock.Model().OutputState() ==
                            link::CalibratorModel::Output::On);
}

} // namespace vk220::thermocouple
