#include "CommPortForm.h"

#include "CalibratorLink.h"
#include "Controls.h"
#include "MessageBoxes.h"
#include "PortDevice.h"
#include "SerialPort.h"
#include "SettingsFile.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int HighestOfferedPort = 20;
} // namespace

CommPortForm::CommPortForm(CalibratorLink &link, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), link(link), boxes(boxes),
      commLab(new QLabel(QStringLiteral("Please select a COM port :"))), combo(new QComboBox),
      deviceLab(new QLabel), commBut(new QPushButton(QStringLiteral("&OK"))),
      exitBut(new QPushButton(QStringLiteral("&Exit"))) {
    setWindowTitle(QStringLiteral("Set Communication Port"));
    Controls::Name(*this, QStringLiteral("CommPortForm"));
    Controls::Name(*commLab, QStringLiteral("CommLab"));
    Controls::Name(*combo, QStringLiteral("COMCombo"));
    Controls::Name(*deviceLab, QStringLiteral("DeviceLab"));
    Controls::Name(*commBut, QStringLiteral("CommBut"));
    Controls::Name(*exitBut, QStringLiteral("ExitBut"));

    for (int n = 1; n <= HighestOfferedPort; ++n)
        combo->addItem(QString::number(n));
    const QString current = QString::number(link.Port().PortNumber());
    if (combo->findText(current) < 0)
        combo->addItem(current);
    combo->setCurrentText(current);
    ShowDevice();

    auto *layout = new QGridLayout(this);
    layout->addWidget(commLab, 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("COM")), 1, 0);
    layout->addWidget(combo, 1, 1, 1, 2);
    layout->addWidget(deviceLab, 2, 0, 1, 3);
    layout->addWidget(commBut, 3, 1);
    layout->addWidget(exitBut, 3, 2);

    connect(combo, &QComboBox::currentTextChanged, this, &CommPortForm::ShowDevice);
    connect(commBut, &QPushButton::clicked, this, &CommPortForm::Ok);
    connect(exitBut, &QPushButton::clicked, this, [this] {
        exitChosen = true;
        reject();
    });
    // The port list's drop-down is a window of its own that takes the keys while it is open;
    // asking for its view creates it now, so that the key is watched there too.
    combo->view();
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    installEventFilter(this);
}

void CommPortForm::SetMessage(const QString &message) {
    QString shown = message;
    commLab->setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

// Which device the chosen number stands for, and whether it is there.
void CommPortForm::ShowDevice() {
    const QString device = PortDevice(combo->currentText().toInt());
    deviceLab->setText(QStringLiteral("%1 (%2)").arg(device, QFileInfo::exists(device)
                                                                 ? QStringLiteral("present")
                                                                 : QStringLiteral("not present")));
}

void CommPortForm::Ok() {
    if (link.OfflineMode()) {
        accept();
        return;
    }
    SerialPort &port = link.Port();
    port.SetPortNumber(combo->currentText().toInt());
    QString fault;
    QString why;
    if (!SettingsFile::WritePortNumber(port.PortNumber(), &why))
        fault =
            QStringLiteral("Cannot write %1: %2").arg(QLatin1String(SettingsFile::FileName), why);
    else if (!port.Open())
        fault = port.ErrorString();
    if (fault.isEmpty()) {
        port.Close();
        accept();
        return;
    }
    boxes.Warn(
        QStringLiteral("Serial Communication Error"),
        QStringLiteral("Serial communication error :\r\r%1\r\rClick OK to continue.").arg(fault));
    if (port.IsOpen())
        port.Close();
}

bool CommPortForm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == OfflineKey) {
        link.SetOfflineMode(!link.OfflineMode());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
