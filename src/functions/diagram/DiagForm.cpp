#include "DiagForm.h"

#include "ConnectionPicture.h"
#include "Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DiagForm::DiagForm(FunctionContext &context) : FunctionWindow(context, Title, 10860, 8460) {
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
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(picture, 1);
    layout->addWidget(&CloseButton(), 0, Qt::AlignRight);
}

void DiagForm::OnLoad() {
    // The diagram keeps its own place in the work area, not the centred one.
    QWidget *frame = parentWidget() ? parentWidget() : this;
    frame->move(Controls::Twips(1185), Controls::Twips(1050));
}
