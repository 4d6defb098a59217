#include "ProgForm.h"

#include "Controls.h"

#include <QProgressBar>
#include <QVBoxLayout>

ProgForm::ProgForm(const QString &title, QWidget *parent) : QWidget(parent), bar(new QProgressBar) {
    setWindowTitle(title);
    Controls::Name(*this, QStringLiteral("ProgForm"));
    Controls::Name(*bar, QStringLiteral("ProgBar"));
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
    return {Controls::Twips(5400), Controls::Twips(1200)};
}

void ProgForm::Tick() {
    if (bar->value() < 100)
        bar->setValue(bar->value() + 10);
}
