#include "SampleIndicator.h"

#include "Controls.h"
#include "FontSizes.h"

SampleIndicator::SampleIndicator(QWidget *parent) : QLabel(QStringLiteral("SMPL"), parent) {
    Controls::Name(*this, QStringLiteral("SampleLab"));
    QFont bold = font();
    bold.setPointSize(FontSizes::Indicator);
    bold.setBold(true);
    setFont(bold);
    setAlignment(Qt::AlignCenter);
    hide();
}
