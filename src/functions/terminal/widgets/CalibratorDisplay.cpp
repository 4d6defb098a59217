#include "functions/terminal/widgets/CalibratorDisplay.h"

#include "functions/terminal/logic/OutputMarker.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vk220::terminal {

namespace {

QLabel *Readout(const QString &name, const QString &caption, int pointSize, Qt::Alignment align) {
    auto *label = new QLabel(caption);
    ui::Controls::Name(*label, name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLabel *Legend(const QString &caption) {
    auto *label = new QLabel(caption);
    QFont font = label->font();
    font.setPointSize(ui::FontSizes::Legend);
    label->setFont(font);
    return label;
}

void SetColour(QLabel &label, const QColor &colour) {
    label.setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
}

} // namespace

CalibratorDisplay::CalibratorDisplay(QWidget *parent)
    : QFrame(parent), opLab(Readout(QStringLiteral("OPLab"), QStringLiteral("---"),
                                    ui::FontSizes::Heading, Qt::AlignLeft)),
      display(Readout(QStringLiteral("Display"), QStringLiteral("0.000mV"), ui::FontSizes::Reading,
                      Qt::AlignRight)),
      hzLab(Readout(QStringLiteral("HzLab"), QStringLiteral("DC"), ui::FontSizes::Title,
                    Qt::AlignLeft)),
      calOpLab(Readout(QStringLiteral("CalOPLab"), QStringLiteral("---"), ui::FontSizes::Caption,
                       Qt::AlignRight)),
      stateLab(
          Readout(QStringLiteral("StateLab"), QString(), ui::FontSizes::Caption, Qt::AlignLeft)),
      hvLab(Readout(QStringLiteral("HVLab"), QStringLiteral("\u26A1 HV"), ui::FontSizes::Caption,
                    Qt::AlignLeft)) {
    ui::Controls::Name(*this, QStringLiteral("CalibratorDisplay"));
    SetColour(*hvLab, WarningColour);
    hvLab->setToolTip(
        QStringLiteral("A voltage above %1 V is live").arg(OutputMarker::WarningVolts));
    // A lit display window, like the calibrator's own.
    auto *screen = new QFrame;
    screen->setObjectName(QStringLiteral("Screen"));
    screen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    screen->setStyleSheet(QStringLiteral("QFrame#Screen { background: rgb(24, 40, 32); }"
                                         "QLabel { color: %1; }")
                              .arg(LitColour.name()));
    auto *screenLayout = new QGridLayout(screen);
    auto *annunciators = new QHBoxLayout;
    annunciators->addWidget(stateLab);
    annunciators->addWidget(hvLab);
    annunciators->addStretch(1);
    screenLayout->addWidget(Legend(QStringLiteral("OUTPUT")), 0, 0);
    screenLayout->addLayout(annunciators, 0, 1);
    screenLayout->addWidget(display, 1, 0);
    screenLayout->addWidget(hzLab, 1, 1);
    screenLayout->addWidget(Legend(QStringLiteral("CALIBRATOR DELIVERS")), 2, 0);
    screenLayout->addWidget(calOpLab, 2, 0, 1, 2);
    screenLayout->setColumnStretch(0, 3);
    screenLayout->setColumnStretch(1, 1);

    auto *outputValue = new QGroupBox(QStringLiteral("Output Value"));
    auto *outputValueLayout = new QVBoxLayout(outputValue);
    outputValueLayout->addWidget(opLab);
    outputValueLayout->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outputValue, 1);
    layout->addWidget(screen, 3);
    ShowOutput(OutputMarker::For(link::CalibratorModel::Output::Standby, display->text()));
}

void CalibratorDisplay::ShowOutput(const OutputMarker &marker) {
    stateLab->setText(marker.text);
    const QColor value = marker.dimmed ? DimColour : LitColour;
    SetColour(*display, value);
    SetColour(*hzLab, value);
    hvLab->setVisible(marker.highVoltage);
}

} // namespace vk220::terminal
