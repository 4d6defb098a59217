#include "functions/terminal/widgets/TerminalKeypad.h"

#include "functions/terminal/logic/KeypadKey.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace vk220::terminal {

namespace {

// Where each key sits, as on the calibrator: the digits in a block, the prefixes and units in
// the next column, the action keys on the right.
struct KeyPlace {
    int index;
    int row;
    int column;
};

using namespace KeypadKey;

constexpr std::array<KeyPlace, Count> places{{
    {Digit(7), 0, 0},  {Digit(8), 0, 1}, {Digit(9), 0, 2}, {Micro, 0, 3},  {BackSpace, 0, 4},
    {Digit(4), 1, 0},  {Digit(5), 1, 1}, {Digit(6), 1, 2}, {Milli, 1, 3},  {Hz, 1, 4},
    {Digit(1), 2, 0},  {Digit(2), 2, 1}, {Digit(3), 2, 2}, {Volt, 2, 3},   {Dc, 2, 4},
    {PlusMinus, 3, 0}, {Zero, 3, 1},     {Point, 3, 2},    {Ampere, 3, 3}, {Enter, 3, 4},
}};

constexpr int KeyHeight = 34;

} // namespace

TerminalKeypad::TerminalKeypad(QWidget *parent)
    : QWidget(parent), kbText(new QComboBox(this)), guideLab(new QLabel(this)),
      command1(new ui::ButtonArray(QStringLiteral("Command1"), Captions, this)) {
    kbText->setEditable(true);
    // The list is the history of set outputs: typing neither adds to it nor completes from it.
    kbText->setInsertPolicy(QComboBox::NoInsert);
    kbText->setCompleter(nullptr);
    ui::Controls::Name(*this, QStringLiteral("TerminalKeypad"));
    ui::Controls::Name(*kbText, QStringLiteral("KBText"));
    ui::Controls::Name(*guideLab, QStringLiteral("GuideLab"));
    // One line high even while empty, so that the keys do not move as it comes and goes.
    guideLab->setMinimumHeight(guideLab->fontMetrics().height());
    kbText->installEventFilter(this);
    kbText->lineEdit()->installEventFilter(this);
    // Outside a pick the list has no current item, so that every pick makes one current.
    connect(kbText, &QComboBox::activated, this, [this](int index) {
        ForgetCurrentItem(Entry());
        emit HistoryPicked(kbText->itemText(index));
    });
    connect(command1, &ui::ButtonArray::Clicked, this, &TerminalKeypad::KeyPressed);

    auto *keys = new QGridLayout;
    for (const KeyPlace &place : places) {
        QPushButton *key = command1->At(place.index);
        key->setMinimumHeight(KeyHeight);
        key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        keys->addWidget(key, place.row, place.column);
    }
    keys->setColumnStretch(4, 2);
    // Shown when the window has loaded.
    EnterKey().hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(kbText);
    layout->addWidget(guideLab);
    layout->addLayout(keys, 1);
}

QList<QWidget *> TerminalKeypad::InTabOrder() const {
    QList<QWidget *> order{kbText};
    for (const KeyPlace &place : places)
        order.append(command1->At(place.index));
    return order;
}

QPushButton &TerminalKeypad::EnterKey() const {
    return *command1->At(KeypadKey::Enter);
}

QString TerminalKeypad::Entry() const {
    return kbText->currentText();
}

void TerminalKeypad::SetEntry(const QString &text) {
    kbText->setEditText(text);
}

void TerminalKeypad::AddHistory(const QString &item) {
    // The first item of an empty list becomes current and replaces the entry line.
    const QString entry = Entry();
    kbText->addItem(item);
    ForgetCurrentItem(entry);
}

void TerminalKeypad::ForgetCurrentItem(const QString &entry) {
    kbText->setCurrentIndex(-1);
    kbText->setEditText(entry);
}

bool TerminalKeypad::eventFilter(QObject *watched, QEvent *event) {
    if (watched != kbText && watched != kbText->lineEdit())
        return QWidget::eventFilter(watched, event);
    // On the closed drop-down a wheel turn or an arrow key steps to the next history item and
    // reports it as chosen, which would set that output again: the history is used only by a
    // choice from the opened list, so the entry line keeps what the operator keyed.
    if (event->type() == QEvent::Wheel) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        switch (press->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit EntryReturned();
            return true;
        case Qt::Key_Down:
            // Alt+Down opens the list.
            return !press->modifiers().testFlag(Qt::AltModifier);
        case Qt::Key_Up:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vk220::terminal
