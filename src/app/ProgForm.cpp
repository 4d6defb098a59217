#include "app/ProgForm.h"

#include "ui/Controls.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace vk220::app {

ProgForm::ProgForm(const QString &title, QWidget *parent) : QWidget(parent), bar(new QProgressBar) {
    setWindowTitle(title);
    ui::Controls::Name(*this, QStringLiteral("ProgForm"));
    ui::Controls::Name(*bar, QStringLiteral("ProgBar"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    progTimer.setObjectName(QStringLiteral("ProgTimer"));
    progTimer.setInterval(100);
    connect(&progTimer, &QTimer::timeout, this, &ProgForm::Tick);
    progTimer.start();
}

QSize ProgForm::DesignSize() {
    return {ui::Controls::Twips(5400), ui::Controls::Twips(1200)};
}

void ProgForm::Tick() {
    if (bar->value() < 100)
        bar->setValue(bar->value() + 10);
}

} // namespace vk220::app
