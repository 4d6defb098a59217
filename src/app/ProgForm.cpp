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
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    resize(Controls::Twips(4800), Controls::Twips(900));
    progTimer.setObjectName(QStringLiteral("ProgTimer"));
    progTimer.setInterval(100);
    connect(&progTimer, &QTimer::timeout, this, &ProgForm::Tick);
    progTimer.start();
}

void ProgForm::Tick() {
    if (bar->value() < 100)
        bar->setValue(bar->value() + 10);
}
