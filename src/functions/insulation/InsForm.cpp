#include "InsForm.h"

#include "Controls.h"
#include "InsResPanel.h"
#include "InsVoltPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
constexpr int WidthTwips = 8100;
constexpr int HeightTwips = 6300;
} // namespace

InsForm::InsForm(FunctionContext &context)
    : FunctionWindow(context, Title, WidthTwips, HeightTwips), insTab(new QTabBar(this)),
      insResPanel(new InsResPanel(*this, context.boxes)),
      insVoltPanel(new InsVoltPanel(*this, context.boxes)) {
    setFocusProxy(&insResPanel->InsManText());
    Controls::Name(*this, QStringLiteral("InsForm"));
    Controls::Name(*insTab, QStringLiteral("InsTab"));
    insTab->addTab(QStringLiteral("0 to 1Gohm Resistance Output"));
    insTab->addTab(QStringLiteral("Test Voltage Measurement"));
    insTab->setExpanding(false);

    // The voltage page lies over the resistance page; only the selected one shows.
    auto *pages = new QGridLayout;
    pages->addWidget(insResPanel, 0, 0);
    pages->addWidget(insVoltPanel, 0, 0);
    insVoltPanel->hide();

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(&CloseButton());
    auto *column = new QVBoxLayout(this);
    column->addWidget(insTab);
    column->addLayout(pages, 1);
    column->addLayout(bottom);

    connect(insTab, &QTabBar::currentChanged, this,
            [this](int index) { Act([this, index] { SelectPage(index); }, insTab->objectName()); });
}

void InsForm::OnLoad() {
    insResPanel->Open();
}

void InsForm::OnUnload() {
    insVoltPanel->StopPolling();
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
    if (index == ResistancePage) {
        insResPanel->show();
        insResPanel->raise();
        insVoltPanel->hide();
        insVoltPanel->StopPolling();
        insResPanel->Announce();
    } else {
        insResPanel->hide();
        insVoltPanel->show();
        insVoltPanel->raise();
        insVoltPanel->SelectRange(0);
    }
}

bool InsForm::Polling() const {
    return insVoltPanel->Polling();
}
