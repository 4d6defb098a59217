#include "functions/insulation/InsForm.h"

#include "functions/insulation/InsResPanel.h"
#include "functions/insulation/InsVoltPanel.h"
#include "ui/Controls.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace vk220::insulation {

namespace {
constexpr int WidthTwips = 8100;
constexpr int HeightTwips = 6300;
} // namespace

InsForm::InsForm(ui::FunctionContext &context)
    : ui::PollingFunctionWindow(context, Title, WidthTwips, HeightTwips), insTab(new QTabBar(this)),
      pages(new QStackedWidget(this)), insResPanel(new InsResPanel(*this, context.boxes)),
      insVoltPanel(new InsVoltPanel(*this, context.boxes)) {
    setFocusProxy(&insResPanel->InsManText());
    ui::Controls::Name(*this, QStringLiteral("InsForm"));
    ui::Controls::Name(*insTab, QStringLiteral("InsTab"));
    insTab->addTab(QStringLiteral("0 to 1Gohm Resistance Output"));
    insTab->addTab(QStringLiteral("Test Voltage Measurement"));
    insTab->setExpanding(false);

    pages->addWidget(insResPanel);
    pages->addWidget(insVoltPanel);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(&CloseButton());
    auto *column = new QVBoxLayout(this);
    column->addWidget(insTab);
    column->addWidget(pages, 1);
    column->addLayout(bottom);

    connect(insTab, &QTabBar::currentChanged, this, &InsForm::TabChanged);
}

void InsForm::TabChanged(int index) {
    if (!Actions().TakesActions()) {
        const QSignalBlocker quiet(insTab);
        insTab->setCurrentIndex(pages->currentIndex());
        return;
    }
    // The page left does nothing more: its clicks would act on the adapter the new page is about
    // to switch. It is replaced once the running action has ended.
    pages->currentWidget()->setEnabled(false);
    Act(
        [this, index] {
            pages->currentWidget()->setEnabled(true);
            SelectPage(index);
        },
        insTab->objectName());
}

void InsForm::OnLoad() {
    insResPanel->Open();
}

bool InsForm::OnEnterKey() {
    // Set belongs to the resistance page: on the voltage page it would switch the adapter away
    // from the range being measured.
    if (insTab->currentIndex() != ResistancePage)
        return false;
    Act([this] { insResPanel->Set(); });
    return true;
}

void InsForm::SelectPage(int index) {
    pages->setCurrentIndex(index);
    if (index == ResistancePage) {
        insVoltPanel->StopPolling();
        insResPanel->Announce();
    } else {
        insVoltPanel->SelectRange(0);
    }
}

} // namespace vk220::insulation
