#include "functions/diagram/DiagForm.h"

#include "ui/ConnectionPicture.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vk220::diagram {

DiagForm::DiagForm(ui::FunctionContext &context) : ui::FunctionWindow(context, Title, 10860, 8460) {
    ui::Controls::Name(*this, QStringLiteral("DiagForm"));
    auto *heading = new QLabel(Title);
    ui::Controls::Name(*heading, QStringLiteral("HeadingLab"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSize(12);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    auto *picture = new ui::ConnectionPicture;
    ui::Controls::Name(*picture, QStringLiteral("DiagramPicture"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(picture, 1);
    layout->addWidget(&CloseButton(), 0, Qt::AlignRight);
}

void DiagForm::OnLoad() {
    // The diagram keeps its own place in the work area, not the centred one.
    QWidget *frame = parentWidget() ? parentWidget() : this;
    frame->move(ui::Controls::Twips(1185), ui::Controls::Twips(1050));
}

} // namespace vk220::diagram
