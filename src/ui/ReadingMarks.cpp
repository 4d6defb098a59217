#include "ui/ReadingMarks.h"

#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/SampleIndicator.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vk220::ui {

ReadingMarks::ReadingMarks(QLabel &reading, QWidget *parent)
    : QWidget(parent), reading(reading),
      readingColour(reading.palette().color(QPalette::WindowText)),
      sampleLab(new SampleIndicator(this)),
      noReplyLab(Controls::BoldLabel(QStringLiteral("NO REPLY"), FontSizes::Flag,
                                     QStringLiteral("NoReplyLab"), this)) {
    Controls::Name(*this, QStringLiteral("ReadingMarks"));
    QPalette palette = noReplyLab->palette();
    palette.setColor(QPalette::WindowText, NoReplyColour);
    noReplyLab->setPalette(palette);
    QSizePolicy policy = noReplyLab->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    noReplyLab->setSizePolicy(policy);
    noReplyLab->hide();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(sampleLab);
    column->addWidget(noReplyLab);
    column->addStretch(1);
}

void ReadingMarks::ShowAnswered(bool answered) {
    if (answered != NoReply())
        return;
    noReplyLab->setVisible(!answered);
    QPalette palette = reading.palette();
    palette.setColor(QPalette::WindowText, answered ? readingColour : GreyedColour);
    reading.setPalette(palette);
}

bool ReadingMarks::NoReply() const {
    return !noReplyLab->isHidden();
}

QLabel &ReadingMarks::SampleLab() const {
    return *sampleLab;
}

} // namespace vk220::ui
