#include "InsResPanel.h"

#include "ButtonArray.h"
#include "Controls.h"
#include "EntryRow.h"
#include "FontSizes.h"
#include "FunctionWindow.h"
#include "ManualEntry.h"
#include "MessageBoxes.h"
#include "TabOrder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace {

using ResistanceDigits::Thousands;
const QString Ohms = QStringLiteral("M\u03A9");

QString PresetLine() {
    return QStringLiteral("p%1").arg(ResistanceDigits::PresetMask);
}

// Column of digit `index` in the digit grid: index 5 leftmost, the point between 2 and 1.
int DigitColumn(int index) {
    return index >= 2 ? Thousands - index : Thousands - index + 1;
}

} // namespace

InsResPanel::InsResPanel(FunctionWindow &window, MessageBoxes &boxes)
    : QFrame(&window), window(window), boxes(boxes) {
    Controls::Name(*this, QStringLiteral("InsResPanel"));
    setFrameShape(QFrame::StyledPanel);
    maskLab = new QLabel(this);
    Controls::Name(*maskLab, QStringLiteral("MaskLab"));
    maskLab->setMinimumHeight(2 * maskLab->fontMetrics().lineSpacing());
    auto *column = new QVBoxLayout(this);
    column->addWidget(maskLab);
    column->addLayout(BuildDigits());
    column->addStretch();
    column->addLayout(BuildEntry());
    column->addWidget(entValLab);
}

QLayout *InsResPanel::BuildDigits() {
    const QStringList none(ResistanceDigits::Count, QString());
    adjUp = new ButtonArray(QStringLiteral("AdjUp"), none, this);
    adjDown = new ButtonArray(QStringLiteral("AdjDown"), none, this);
    connect(adjUp, &ButtonArray::Clicked, this,
            [this](int index) { window.Act([this, index] { Increment(index); }); });
    connect(adjDown, &ButtonArray::Clicked, this,
            [this](int index) { window.Act([this, index] { Decrement(index); }); });

    auto *grid = new QGridLayout;
    QFont digitFont = font();
    digitFont.setPointSize(FontSizes::Digit);
    digitFont.setBold(true);
    for (int i = 0; i < ResistanceDigits::Count; ++i) {
        auto *label = new QLabel(QStringLiteral("0"), this);
        Controls::Name(*label, Controls::ArrayName(QStringLiteral("DigitLab"), i));
        label->setFont(digitFont);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(Controls::Twips(525));
        digitLab.at(static_cast<size_t>(i)) = label;

        QPushButton *up = adjUp->At(i);
        QPushButton *down = adjDown->At(i);
        up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
        down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
        up->setAccessibleName(QStringLiteral("Increase digit %1").arg(i));
        down->setAccessibleName(QStringLiteral("Decrease digit %1").arg(i));

        const int column = DigitColumn(i);
        grid->addWidget(up, 0, column);
        grid->addWidget(label, 1, column);
        grid->addWidget(down, 2, column);
    }
    // Tab takes the digits as they are read, from the most significant: its up, then its down.
    QList<QWidget *> spinOrder;
    for (int i = ResistanceDigits::Count - 1; i >= 0; --i)
        spinOrder << adjUp->At(i) << adjDown->At(i);
    TabOrder::Chain(spinOrder);
    auto *point = new QLabel(QStringLiteral("."), this);
    point->setFont(digitFont);
    grid->addWidget(point, 1, DigitColumn(2) + 1);
    auto *unit = new QLabel(Ohms, this);
    unit->setFont(digitFont);
    grid->addWidget(unit, 1, DigitColumn(0) + 1);
    auto *centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(grid);
    centred->addStretch();
    return centred;
}

QLayout *InsResPanel::BuildEntry() {
    entValLab = new QLabel(EnterValue, this);
    Controls::Name(*entValLab, QStringLiteral("EntValLab"));
    auto *entryRow = new EntryRow(QStringLiteral("InsManText"), Ohms, this);
    insManText = &entryRow->Entry();
    setBut = &entryRow->SetBut();
    fsBut = new QPushButton(QStringLiteral("F.S."), this);
    Controls::Name(*fsBut, QStringLiteral("FSBut"));
    zeroBut = new QPushButton(QStringLiteral("ZERO"), this);
    Controls::Name(*zeroBut, QStringLiteral("ZeroBut"));
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

int InsResPanel::Digit(int index) const {
    return ResistanceDigits::Read(DigitLab(index).text());
}

ResistanceDigits::Values InsResPanel::Values() const {
    ResistanceDigits::Values values{};
    for (int i = 0; i < ResistanceDigits::Count; ++i)
        values.at(static_cast<size_t>(i)) = Digit(i);
    return values;
}

void InsResPanel::SetDigit(int index, const QString &caption) {
    QLabel &label = DigitLab(index);
    label.setText(caption);
    label.repaint();
}

QString InsResPanel::Display() const {
    QString text;
    for (int i = Thousands; i >= 0; --i) {
        text += DigitLab(i).text();
        if (i == 2)
            text += u'.';
    }
    return text;
}

QString InsResPanel::Caption() const {
    return maskLab->text();
}

QStringList InsResPanel::Masks() const {
    return {PresetLine(), QStringLiteral("p%1").arg(ResistanceDigits::Mask(Values()))};
}

void InsResPanel::Announce() {
    const QStringList masks = Masks();
    SendAndShow(QStringList{PageText} + masks, masks);
}

void InsResPanel::Open() {
    window.Send(PageText);
    SetDigit(3, QStringLiteral("1"));
    SetIns();
}

void InsResPanel::SetIns() {
    const QStringList masks = Masks();
    SendAndShow(masks, masks);
}

void InsResPanel::SendAndShow(const QStringList &lines, const QStringList &masks) {
    // Grey until the adapter has their masks: with a slow calibrator the operator sees which
    // digits are still on their way.
    ShowDigitsSent(false);
    for (const QString &line : lines)
        window.Send(line);
    maskLab->setText(masks.join(u'\n'));
    ShowDigitsSent(true);
    repaint();
}

void InsResPanel::ShowDigitsSent(bool sent) {
    for (QLabel *label : digitLab) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         sent ? this->palette().color(QPalette::WindowText) : QColor(Qt::gray));
        label->setPalette(palette);
        label->repaint();
    }
}

void InsResPanel::Increment(int index) {
    const ResistanceDigits::Spin spin = ResistanceDigits::Increment(Values(), index);
    ShowDigits(spin.digits);
    for (int i = 0; i < spin.digitsStepped; ++i)
        SetIns();
}

void InsResPanel::Decrement(int index) {
    ShowDigits(ResistanceDigits::Decrement(Values(), index));
    SetIns();
}

void InsResPanel::ShowDigits(const ResistanceDigits::Values &digits) {
    const ResistanceDigits::Values shown = Values();
    for (int i = 0; i < ResistanceDigits::Count; ++i) {
        const int digit = digits.at(static_cast<size_t>(i));
        if (digit != shown.at(static_cast<size_t>(i)))
            SetDigit(i, QString::number(digit));
    }
}

void InsResPanel::Set() {
    const ManualEntry::Split split = ManualEntry::Read(insManText->text());
    switch (split.outcome) {
    case ManualEntry::Outcome::Empty:
        return;
    case ManualEntry::Outcome::Accepted:
        for (int i = 0; i < ResistanceDigits::Count; ++i)
            SetDigit(i, split.digits.at(static_cast<size_t>(i)));
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
    SetDigit(Thousands, QStringLiteral("1"));
    for (int i = 0; i < Thousands; ++i)
        SetDigit(i, QStringLiteral("9"));
    SetIns();
}

void InsResPanel::Zero() {
    if (!boxes.Ask(QStringLiteral("Set Zero"), QStringLiteral("Set ZERO Output?")))
        return;
    for (int i = 0; i < ResistanceDigits::Count; ++i)
        SetDigit(i, QStringLiteral("0"));
    SetIns();
}
