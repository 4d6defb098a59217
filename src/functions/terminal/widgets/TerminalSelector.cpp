#include "functions/terminal/widgets/TerminalSelector.h"

#include "functions/terminal/logic/CurrentPaths.h"
#include "functions/terminal/logic/TerminalButtons.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace vk220::terminal {

namespace {

constexpr int VoltageTerminalsIndex = 9;

QStringList Captions() {
    QStringList captions;
    for (const TerminalButton &button : TerminalButtons::All())
        captions << button.caption.toString();
    return captions;
}

void SetBold(QWidget &button, bool bold) {
    QFont font = button.font();
    font.setBold(bold);
    button.setFont(font);
}

// Normal weight with the button-face colour.
void ShowPlain(QPushButton &button) {
    ui::Controls::SetSelected(button, false);
    SetBold(button, false);
}

} // namespace

TerminalSelector::TerminalSelector(QWidget &window)
    : QObject(&window),
      termBut(new ui::ButtonArray(QStringLiteral("TermBut"), Captions(), &window)),
      cLab(new QLabel(QStringLiteral("Current Output"))),
      coilRow(new QGroupBox(QStringLiteral("CLAMP COILS"))),
      terminalColumn(new QGroupBox(QStringLiteral("OUTPUT TERMINALS"))),
      currentPathGroup(new QWidget) {
    setObjectName(QStringLiteral("TerminalSelector"));
    cFlash.setObjectName(QStringLiteral("CFlash"));
    cFlash.setInterval(FlashIntervalMs);
    connect(&cFlash, &QTimer::timeout, this, &TerminalSelector::Tick);
    ui::Controls::Name(*cLab, QStringLiteral("CLab"));

    auto *coils = new QHBoxLayout(coilRow);
    for (const int index : {0, 1, 2})
        coils->addWidget(termBut->At(index));

    auto *terminals = new QVBoxLayout(terminalColumn);
    for (const int index : {3, 4, 5})
        terminals->addWidget(termBut->At(index));

    auto *paths = new QVBoxLayout(currentPathGroup);
    paths->setContentsMargins(0, 0, 0, 0);
    paths->addWidget(cLab);
    for (const int index : CurrentPaths::Order)
        paths->addWidget(termBut->At(index));
    // Offered by the "A" key.
    ShowPaths(false);
}

QList<QWidget *> TerminalSelector::InTabOrder() const {
    QList<QWidget *> order;
    for (const int index : {3, 4, 5, VoltageTerminalsIndex})
        order.append(termBut->At(index));
    for (const int index : CurrentPaths::Order)
        order.append(termBut->At(index));
    for (const int index : {0, 1, 2})
        order.append(termBut->At(index));
    return order;
}

QPushButton &TerminalSelector::VoltageTerminals() const {
    return *termBut->At(VoltageTerminalsIndex);
}

OutputPoint TerminalSelector::Selection() const {
    std::array<bool, TerminalButtons::Count> selected{};
    for (int i = 0; i < TerminalButtons::Count; ++i)
        selected[static_cast<size_t>(i)] = ui::Controls::IsSelected(*termBut->At(i));
    return OutputPoints::FromSelection(selected);
}

bool TerminalSelector::CurrentPathInUse() const {
    QList<int> selected;
    for (int i = 0; i < TerminalButtons::Count; ++i) {
        if (ui::Controls::IsSelected(*termBut->At(i)))
            selected << i;
    }
    return CurrentPaths::InUse(selected);
}

QList<int> TerminalSelector::EnabledPaths() const {
    QList<int> enabled;
    for (const int index : CurrentPaths::Order) {
        if (termBut->At(index)->isEnabled())
            enabled << index;
    }
    return enabled;
}

void TerminalSelector::ShowSelection(OutputPoint point, bool stopFlashing) {
    for (QPushButton *button : termBut->All())
        ShowPlain(*button);
    if (stopFlashing)
        cFlash.stop();
    for (const int index : OutputPoints::Buttons(point)) {
        ui::Controls::SetSelected(*termBut->At(index), true);
        SetBold(*termBut->At(index), true);
    }
}

void TerminalSelector::OfferPaths(const QList<int> &enabled, bool reselect) {
    for (const int index : CurrentPaths::Order) {
        QPushButton &path = *termBut->At(index);
        if (reselect)
            ShowPlain(path);
        path.setEnabled(enabled.contains(index));
        if (!path.isEnabled())
            ui::Controls::SetSelected(path, false);
    }
    if (reselect)
        cFlash.start();
}

void TerminalSelector::ShowPaths(bool shown) {
    cLab->setVisible(shown);
    for (const int index : CurrentPaths::Order)
        termBut->At(index)->setVisible(shown);
}

void TerminalSelector::Tick() {
    for (const int index : CurrentPaths::Order) {
        QPushButton &path = *termBut->At(index);
        if (path.isEnabled())
            SetBold(path, !path.font().bold());
    }
}

} // namespace vk220::terminal
