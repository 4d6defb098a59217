#include "DiagForm.h"

#include "ConnectionPicture.h"
#include "Controls.h"
#include "FunctionHost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DiagForm::DiagForm(FunctionHost &host, QWidget *parent) : QWidget(parent), host(host) {
    setWindowTitle(Title);
    Controls::Name(*this, QStringLiteral("DiagForm"));
    auto *heading = new QLabel(Title);
    Controls::Name(*heading, QStringLiteral("HeadingLab"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSize(12);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    auto *picture = new ConnectionPicture;
    Controls::Name(*picture, QStringLiteral("DiagramPicture"));
    auto *closeBut = new QPushButton(QStringLiteral("Close"));
    Controls::Name(*closeBut, QStringLiteral("CloseBut"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(picture, 1);
    layout->addWidget(closeBut, 0, Qt::AlignRight);
    connect(closeBut, &QPushButton::clicked, this, [this] { Controls::CloseWindow(*this); });
}

void DiagForm::Show() {
    QWidget *frame = parentWidget() ? parentWidget() : this;
    frame->setGeometry(Controls::Twips(1185), Controls::Twips(1050), Controls::Twips(10860),
                       Controls::Twips(8460));
    frame->show();
}

void DiagForm::closeEvent(QCloseEvent *event) {
    host.SetFunctionControlsEnabled(true);
    event->accept();
}
