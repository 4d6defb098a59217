#include "ui/SampleIndicator.h"

#include "ui/Controls.h"
#include "ui/FontSizes.h"

namespace vk220::ui {

SampleIndicator::SampleIndicator(QWidget *parent) : QLabel(QStringLiteral("SMPL"), parent) {
    Controls::Name(*this, QStringLiteral("SampleLab"));
    QFont bold = font();
    bold.setPointSize(FontSizes::Indicator);
    bold.setBold(true);
    setFont(bold);
    setAlignment(Qt::AlignCenter);
    // Shown and hidden twice a second: its place stays taken, so the reading beside it never
    // moves.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

} // namespace vk220::ui
