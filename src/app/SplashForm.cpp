#include "app/SplashForm.h"

#include "ui/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vk220::app {

namespace {

QLabel *AddLabel(QVBoxLayout &layout, const QString &text, int pointSize, const QColor &colour,
                 const QString &name) {
    QLabel *label = ui::Controls::BoldLabel(text, pointSize, name);
    if (colour.isValid())
        label->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
    layout.addWidget(label);
    return label;
}

} // namespace

SplashForm::SplashForm(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kellworth VK220 Workstation Adapter"));
    ui::Controls::Name(*this, QStringLiteral("SplashForm"));
    setStyleSheet(QStringLiteral("SplashForm { background: qlineargradient(x1:0, y1:0, x2:0, "
                                 "y2:1, stop:0 #ffffff, stop:1 #dfe8f0); }"));

    auto *outer = new QVBoxLayout(this);
    auto *border = new QFrame(this);
    ui::Controls::Name(*border, QStringLiteral("BorderFrame"));
    border->setStyleSheet(
        QStringLiteral("#BorderFrame { border: 3px solid %1; }").arg(Blue.name()));
    outer->addWidget(border);

    auto *layout = new QVBoxLayout(border);
    layout->setContentsMargins(30, 20, 30, 20);
    AddLabel(*layout, QStringLiteral("VK220"), 40, Blue, QStringLiteral("VK220Lab"));
    AddLabel(*layout, QStringLiteral("MULTI FUNCTION WORKSTATION ADAPTER"), 12, QColor(),
             QStringLiteral("AdapterLab"));
    auto *rule = new QFrame(border);
    ui::Controls::Name(*rule, QStringLiteral("RuleLine"));
    rule->setFixedHeight(3);
    rule->setStyleSheet(QStringLiteral("background: %1").arg(Blue.name()));
    layout->addWidget(rule);
    AddLabel(*layout, QStringLiteral("VIRTUAL FRONT PANEL SOFTWARE"), 14, Blue,
             QStringLiteral("SoftwareLab"));
    verLab = AddLabel(*layout, Version, 10, Blue, QStringLiteral("VerLab"));

    closeBut = new QPushButton(QStringLiteral("&Close"), this);
    ui::Controls::Name(*closeBut, QStringLiteral("CloseBut"));
    closeBut->hide();
    connect(closeBut, &QPushButton::clicked, this, &QDialog::accept);
    outer->addWidget(closeBut, 0, Qt::AlignHCenter);
}

void SplashForm::ShowCloseButton() {
    closeBut->show();
}

} // namespace vk220::app
