#include "functions/insulation/DecadeDigits.h"

#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/TabOrder.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace vk220::insulation {

namespace {

using ResistanceDigits::Thousands;

// Column of digit `index` in the digit grid: index 5 leftmost, the point between 2 and 1.
int DigitColumn(int index) {
    return index >= 2 ? Thousands - index : Thousands - index + 1;
}

} // namespace

DecadeDigits::DecadeDigits(QWidget *parent) : QWidget(parent) {
    const QStringList none(ResistanceDigits::Count, QString());
    auto *adjUp = new ui::ButtonArray(QStringLiteral("AdjUp"), none, this);
    auto *adjDown = new ui::ButtonArray(QStringLiteral("AdjDown"), none, this);
    connect(adjUp, &ui::ButtonArray::Clicked, this, &DecadeDigits::UpClicked);
    connect(adjDown, &ui::ButtonArray::Clicked, this, &DecadeDigits::DownClicked);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    QFont digitFont = font();
    digitFont.setPointSize(ui::FontSizes::Digit);
    digitFont.setBold(true);
    for (int i = 0; i < ResistanceDigits::Count; ++i) {
        auto *label = new QLabel(QStringLiteral("0"), this);
        ui::Controls::Name(*label, ui::Controls::ArrayName(QStringLiteral("DigitLab"), i));
        label->setFont(digitFont);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(ui::Controls::Twips(525));
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
    ui::TabOrder::Chain(spinOrder);
    auto *point = new QLabel(QStringLiteral("."), this);
    point->setFont(digitFont);
    grid->addWidget(point, 1, DigitColumn(2) + 1);
    auto *unit = new QLabel(Unit, this);
    unit->setFont(digitFont);
    grid->addWidget(unit, 1, DigitColumn(0) + 1);
}

ResistanceDigits::Values DecadeDigits::Values() const {
    ResistanceDigits::Values values{};
    for (int i = 0; i < ResistanceDigits::Count; ++i)
        values.at(static_cast<size_t>(i)) = ResistanceDigits::Read(DigitLab(i).text());
    return values;
}

void DecadeDigits::SetDigit(int index, const QString &caption) {
    QLabel &label = DigitLab(index);
    label.setText(caption);
    label.repaint();
}

void DecadeDigits::Show(const ResistanceDigits::Values &digits) {
    const ResistanceDigits::Values shown = Values();
    for (int i = 0; i < ResistanceDigits::Count; ++i) {
        const int digit = digits.at(static_cast<size_t>(i));
        if (digit != shown.at(static_cast<size_t>(i)))
            SetDigit(i, QString::number(digit));
    }
}

QString DecadeDigits::Display() const {
    QString text;
    for (int i = Thousands; i >= 0; --i) {
        text += DigitLab(i).text();
        if (i == 2)
            text += u'.';
    }
    return text;
}

void DecadeDigits::ShowSent(bool sent) {
    for (QLabel *label : digitLab) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         sent ? this->palette().color(QPalette::WindowText) : QColor(Qt::gray));
        label->setPalette(palette);
        label->repaint();
    }
}

} // namespace vk220::insulation
