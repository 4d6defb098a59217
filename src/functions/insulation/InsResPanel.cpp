#include "functions/insulation/InsResPanel.h"

#include "functions/insulation/DecadeDigits.h"
#include "functions/insulation/ManualEntry.h"
#include "functions/insulation/ResistanceDigits.h"
#include "ui/Controls.h"
#include "ui/EntryRow.h"
#include "ui/FunctionWindow.h"
#include "ui/logic/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vk220::insulation {

namespace {

using ResistanceDigits::Thousands;

QString PresetLine() {
    return QStringLiteral("p%1").arg(ResistanceDigits::PresetMask);
}

} // namespace

InsResPanel::InsResPanel(ui::FunctionWindow &window, ui::MessageBoxes &boxes)
    : QFrame(&window), window(window), boxes(boxes) {
    ui::Controls::Name(*this, QStringLiteral("InsResPanel"));
    setFrameShape(QFrame::StyledPanel);
    maskLab = new QLabel(this);
    ui::Controls::Name(*maskLab, QStringLiteral("MaskLab"));
    maskLab->setMinimumHeight(2 * maskLab->fontMetrics().lineSpacing());
    auto *column = new QVBoxLayout(this);
    column->addWidget(maskLab);
    column->addLayout(BuildDigits());
    column->addStretch();
    column->addLayout(BuildEntry());
    column->addWidget(entValLab);
}

QLayout *InsResPanel::BuildDigits() {
    digits = new DecadeDigits(this);
    connect(digits, &DecadeDigits::UpClicked, this,
            [this](int index) { window.Act([this, index] { Increment(index); }); });
    connect(digits, &DecadeDigits::DownClicked, this,
            [this](int index) { window.Act([this, index] { Decrement(index); }); });
    auto *centred = new QHBoxLayout;
    centred->addStretch();
    centred->addWidget(digits);
    centred->addStretch();
    return centred;
}

QLayout *InsResPanel::BuildEntry() {
    entValLab = new QLabel(EnterValue, this);
    ui::Controls::Name(*entValLab, QStringLiteral("EntValLab"));
    auto *entryRow = new ui::EntryRow(QStringLiteral("InsManText"), DecadeDigits::Unit, this);
    insManText = &entryRow->Entry();
    setBut = &entryRow->SetBut();
    fsBut = new QPushButton(QStringLiteral("F.S."), this);
    ui::Controls::Name(*fsBut, QStringLiteral("FSBut"));
    zeroBut = new QPushButton(QStringLiteral("ZERO"), this);
    ui::Controls::Name(*zeroBut, QStringLiteral("ZeroBut"));
    connect(insManText, &QLineEdit::textChanged, this, &InsResPanel::FilterEntry);
    connect(setBut, &QPushButton::clicked, this, [this] { window.Act([this] { Set(); }); });
    connect(fsBut, &QPushButton::clicked, this, [this] { window.Act([this] { FullScale(); }); });
    connect(zeroBut, &QPushButton::clicked, this, [this] { window.Act([this] { Zero(); }); });

    auto *entry = new QHBoxLayout;
    entry->addWidget(entryRow);
    entry->addStretch();
    entry->addWidget(fsBut);
    entry->addWidget(zeroBut);
    return entry;
}

void InsResPanel::FilterEntry() {
    const ManualEntry::Filtered filtered = ManualEntry::Filter(insManText->text());
    if (filtered.removed) {
        const QSignalBlocker blocker(insManText);
        insManText->setText(filtered.text);
        entValLab->setText(EnterValueNumeric);
    }
    insManText->setCursorPosition(static_cast<int>(insManText->text().size()));
}

QString InsResPanel::Display() const {
    return digits->Display();
}

QString InsResPanel::Caption() const {
    return maskLab->text();
}

QStringList InsResPanel::Masks() const {
    return {PresetLine(), QStringLiteral("p%1").arg(ResistanceDigits::Mask(digits->Values()))};
}

void InsResPanel::Announce() {
    const QStringList masks = Masks();
    SendAndShow(QStringList{PageText} + masks, masks);
}

void InsResPanel::Open() {
    window.Send(PageText);
    digits->SetDigit(3, QStringLiteral("1"));
    SetIns();
}

void InsResPanel::SetIns() {
    const QStringList masks = Masks();
    SendAndShow(masks, masks);
}

void InsResPanel::SendAndShow(const QStringList &lines, const QStringList &masks) {
    // Grey until the adapter has their masks: with a slow calibrator the operator sees which
    // digits are still on their way.
    digits->ShowSent(false);
    for (const QString &line : lines)
        window.Send(line);
    maskLab->setText(masks.join(u'\n'));
    digits->ShowSent(true);
    repaint();
}

void InsResPanel::Increment(int index) {
    const ResistanceDigits::Spin spin = ResistanceDigits::Increment(digits->Values(), index);
    digits->Show(spin.digits);
    for (int i = 0; i < spin.digitsStepped; ++i)
        SetIns();
}

void InsResPanel::Decrement(int index) {
    digits->Show(ResistanceDigits::Decrement(digits->Values(), index));
    SetIns();
}

void InsResPanel::Set() {
    const ManualEntry::Split split = ManualEntry::Read(insManText->text());
    switch (split.outcome) {
    case ManualEntry::Outcome::Empty:
        return;
    case ManualEntry::Outcome::Accepted:
        for (int i = 0; i < ResistanceDigits::Count; ++i)
            digits->SetDigit(i, split.digits.at(static_cast<size_t>(i)));
        SetIns();
        return;
    case ManualEntry::Outcome::AboveMaximum:
    case ManualEntry::Outcome::AboveOutput:
    case ManualEntry::Outcome::BelowStep:
        boxes.Inform(ManualEntry::MessageTitle, ManualEntry::Message(split.outcome));
        return;
    }
}

void InsResPanel::FullScale() {
    if (!boxes.Ask(QStringLiteral("Set Full Scale"), QStringLiteral("Set FULL SCALE Output?")))
        return;
    digits->SetDigit(Thousands, QStringLiteral("1"));
    for (int i = 0; i < Thousands; ++i)
        digits->SetDigit(i, QStringLiteral("9"));
    SetIns();
}

void InsResPanel::Zero() {
    if (!boxes.Ask(QStringLiteral("Set Zero"), QStringLiteral("Set ZERO Output?")))
        return;
    for (int i = 0; i < ResistanceDigits::Count; ++i)
        digits->SetDigit(i, QStringLiteral("0"));
    SetIns();
}

} // namespace vk220::insulation
