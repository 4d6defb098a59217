#include "functions/tachometer/TachoForm.h"

#include "functions/tachometer/SpeedSetting.h"
#include "ui/Controls.h"
#include "ui/EntryRow.h"
#include "ui/FontSizes.h"
#include "ui/logic/MessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace vk220::tachometer {

namespace {

constexpr int WidthTwips = 5400;
constexpr int HeightTwips = 3600;
const QString OpeningSpeed = QStringLiteral("600");
// The longest speed the operator types: "60000.5", one character more than the largest accepted.
constexpr int EntryCharacters = 8;

// The width `edit` needs to show `characters` digits whole, in its own font and style: the digits
// (as wide as any character of a speed), the line edit's two-pixel inner margin on either side,
// its text margins and its frame.
int WidthFor(const QLineEdit &edit, int characters) {
    constexpr int innerMargins = 2 * 2;
    const QFontMetrics metrics = edit.fontMetrics();
    const QMargins text = edit.textMargins();
    const QSize contents(metrics.horizontalAdvance(QString(characters, u'0')) + innerMargins +
                             text.left() + text.right(),
                         metrics.height());
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &edit).width();
}

} // namespace

TachoForm::TachoForm(ui::FunctionContext &context)
    : ui::FunctionWindow(context, Title, WidthTwips, HeightTwips),
      entryRow(new ui::EntryRow(QStringLiteral("RPMText"), QStringLiteral("RPM"))),
      rpmText(&entryRow->Entry()),
      rpmLab(ui::Controls::BoldLabel(QString(), ui::FontSizes::Setting)),
      outputOnLab(ui::Controls::BoldLabel(QStringLiteral("Output on"), ui::FontSizes::Flag,
                                          QStringLiteral("OutputOnLab"))) {
    setFocusProxy(rpmText);
    rpmText->setMinimumWidth(WidthFor(*rpmText, EntryCharacters));
    ui::Controls::Name(*rpmLab, QStringLiteral("RPMLab"));
    ShowOutputOn();
    connect(&entryRow->SetBut(), &QPushButton::clicked, this, [this] { Act([this] { Set(); }); });

    auto *entry = new QVBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("ENTER VALUE")));
    entry->addWidget(entryRow);
    entry->addStretch(1);

    auto *display = new QFrame;
    display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(
        ui::Controls::BoldLabel(QStringLiteral("RPM"), ui::FontSizes::Caption));
    displayLayout->addWidget(rpmLab, 1);
    displayLayout->addWidget(outputOnLab);

    auto *body = new QHBoxLayout;
    body->addLayout(entry, 1);
    body->addWidget(display, 1);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(&CloseButton());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(closeRow);
}

void TachoForm::OnLoad() {
    Sender().SendMask(SpeedSetting::SwitchingMask);
    rpmText->setText(OpeningSpeed);
    Set();
    rpmText->clear();
    Send(QStringLiteral("S0"));
    ShowOutputOn();
}

bool TachoForm::OnEnterKey() {
    // Enter on an empty entry does nothing, whereas the Set button refuses it with the message.
    if (rpmText->text().isEmpty())
        return false;
    Act([this] { Set(); });
    return true;
}

void TachoForm::Set() {
    const std::optional<QString> speed = SpeedSetting::SpeedText(rpmText->text());
    if (!speed) {
        context.boxes.Inform(SpeedSetting::RefusalTitle, SpeedSetting::RefusalText);
        return;
    }
    rpmText->clear();
    rpmLab->setText(SpeedSetting::Caption(*speed));
    for (const QString &line : SpeedSetting::Commands(*speed))
        Send(line);
    ShowOutputOn();
}

void TachoForm::ShowOutputOn() {
    outputOnLab->setVisible(context.state.interlock.Model().OutputState() ==
                            link::CalibratorModel::Output::On);
}

} // namespace vk220::tachometer
