#include "app/CommPortForm.h"

#include "app/PortLinker.h"
#include "app/SettingsFile.h"
#include "link/CalibratorLink.h"
#include "link/NetworkAddress.h"
#include "link/PortDevice.h"
#include "link/SerialPort.h"
#include "ui/Controls.h"
#include "ui/TabOrder.h"
#include "ui/logic/MessageBoxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vk220::app {

namespace {
constexpr int HighestOfferedPort = 20;
constexpr int DeviceRefreshMs = 1000;
} // namespace

CommPortForm::CommPortForm(link::CalibratorLink &link, ui::MessageBoxes &boxes, QWidget *parent,
                           SerialDeviceSource devices)
    : QDialog(parent), link(link), boxes(boxes), devices(std::move(devices)),
      commLab(new QLabel(QStringLiteral("Please select a COM port :"))), combo(new QComboBox),
      netText(new QLineEdit), deviceLab(new QLabel), deviceList(new QTreeWidget),
      linkBut(new QPushButton(QStringLiteral("&Link to Selected Device"))),
      commBut(new QPushButton(QStringLiteral("&OK"))),
      exitBut(new QPushButton(QStringLiteral("&Exit"))), deviceTimer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Set Communication Port"));
    ui::Controls::Name(*this, QStringLiteral("CommPortForm"));
    ui::Controls::Name(*commLab, QStringLiteral("CommLab"));
    ui::Controls::Name(*combo, QStringLiteral("COMCombo"));
    ui::Controls::Name(*netText, QStringLiteral("NetText"));
    ui::Controls::Name(*deviceLab, QStringLiteral("DeviceLab"));
    ui::Controls::Name(*deviceList, QStringLiteral("DeviceList"));
    ui::Controls::Name(*linkBut, QStringLiteral("LinkBut"));
    ui::Controls::Name(*commBut, QStringLiteral("CommBut"));
    ui::Controls::Name(*exitBut, QStringLiteral("ExitBut"));
    deviceTimer->setObjectName(QStringLiteral("DeviceTimer"));

    for (int n = 1; n <= HighestOfferedPort; ++n)
        combo->addItem(QString::number(n));
    const bool network = link::NetworkAddress::Parse(link.Port().PortName()).has_value();
    const QString current = QString::number(link.Port().PortNumber());
    if (network)
        netText->setText(link.Port().PortName());
    else if (combo->findText(current) < 0)
        combo->addItem(current);
    if (!network)
        combo->setCurrentText(current);
    netText->setPlaceholderText(QStringLiteral("tcp://host:port or rfc2217://host:port"));
    ShowDevice();

    deviceList->setRootIsDecorated(false);
    deviceList->setHeaderLabels({QStringLiteral("Device"), QStringLiteral("Description"),
                                 QStringLiteral("Manufacturer"), QStringLiteral("Serial number"),
                                 QStringLiteral("USB vendor:product")});
    deviceList->setAccessibleName(QStringLiteral("Serial devices present"));
    linkBut->setEnabled(false);
    RefreshDevices();

    auto *comLabel = new QLabel(QStringLiteral("COM"));
    comLabel->setBuddy(combo);
    auto *listLabel = new QLabel(QStringLiteral("Serial devices present:"));
    listLabel->setBuddy(deviceList);
    auto *portRow = new QHBoxLayout;
    portRow->addWidget(comLabel);
    portRow->addWidget(combo);
    portRow->addWidget(deviceLab, 1);
    auto *netLabel = new QLabel(QStringLiteral("&Network port:"));
    netLabel->setBuddy(netText);
    auto *netRow = new QHBoxLayout;
    netRow->addWidget(netLabel);
    netRow->addWidget(netText, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(linkBut);
    buttonRow->addStretch(1);
    buttonRow->addWidget(commBut);
    buttonRow->addWidget(exitBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(commLab);
    layout->addLayout(portRow);
    layout->addLayout(netRow);
    layout->addWidget(listLabel);
    layout->addWidget(deviceList, 1);
    layout->addLayout(buttonRow);
    ui::TabOrder::Chain({combo, netText, deviceList, linkBut, commBut, exitBut});
    // Enter takes the port, whichever button comes first.
    commBut->setDefault(true);
    resize(640, 320);

    connect(combo, &QComboBox::currentTextChanged, this, &CommPortForm::ShowDevice);
    connect(deviceList, &QTreeWidget::itemSelectionChanged, this,
            [this] { linkBut->setEnabled(!deviceList->selectedItems().isEmpty()); });
    connect(linkBut, &QPushButton::clicked, this, &CommPortForm::LinkSelected);
    connect(commBut, &QPushButton::clicked, this, &CommPortForm::Ok);
    connect(exitBut, &QPushButton::clicked, this, [this] {
        exitChosen = true;
        // A network port still opening gives up now rather than at its deadline.
        if (!this->link.Port().IsOpen())
            this->link.Port().Close();
        reject();
    });
    connect(deviceTimer, &QTimer::timeout, this, [this] {
        RefreshDevices();
        ShowDevice();
    });
    deviceTimer->start(DeviceRefreshMs);
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
    const int number = combo->currentText().toInt();
    const QFileInfo local(QDir::current().filePath(link::PortLinkName(number)));
    const QString device = link::PortDevice(number);
    const QString shown =
        local.isSymLink() ? local.filePath() + QStringLiteral(" \u2192 ") + local.symLinkTarget()
                          : device;
    deviceLab->setText(QStringLiteral("%1 (%2)").arg(shown, QFileInfo::exists(device)
                                                                ? QStringLiteral("present")
                                                                : QStringLiteral("not present")));
}

void CommPortForm::RefreshDevices() {
    const QList<SerialDevice> present = devices();
    if (present == listed)
        return;
    const QTreeWidgetItem *current = deviceList->currentItem();
    const QString selected = current ? current->text(0) : QString();
    listed = present;
    deviceList->clear();
    for (const SerialDevice &device : listed) {
        auto *item =
            new QTreeWidgetItem(deviceList, {device.device, device.description, device.manufacturer,
                                             device.serialNumber, device.usbIds});
        if (device.device == selected)
            deviceList->setCurrentItem(item);
    }
    for (int column = 0; column < deviceList->columnCount(); ++column)
        deviceList->resizeColumnToContents(column);
}

void CommPortForm::LinkSelected() {
    const int row = deviceList->indexOfTopLevelItem(deviceList->currentItem());
    if (row < 0 || row >= listed.size())
        return;
    PortLinker(boxes).Link(combo->currentText().toInt(), listed.at(row));
    ShowDevice();
}

void CommPortForm::Ok() {
    if (link.OfflineMode()) {
        accept();
        return;
    }
    link::SerialPort &port = link.Port();
    const QString entered = netText->text().trimmed();
    const auto address = link::NetworkAddress::Parse(entered);
    QString fault;
    if (entered.isEmpty())
        port.SetPortNumber(combo->currentText().toInt());
    else if (address)
        port.SetPortName(address->Text());
    else
        fault = QStringLiteral("%1 is not a network port: tcp://host:port or rfc2217://host:port")
                    .arg(entered);
    const QString stored = address ? address->Text() : QString::number(port.PortNumber());
    // A network port opens while the dialog goes on taking events: no second OK meanwhile, but
    // Exit, which ends the opening.
    commBut->setEnabled(false);
    linkBut->setEnabled(false);
    if (fault.isEmpty() && SettingsFile::WritePortName(stored, &fault) && !port.Open())
        fault = port.ErrorString();
    commBut->setEnabled(true);
    linkBut->setEnabled(!deviceList->selectedItems().isEmpty());
    if (exitChosen) {
        port.Close();
        return;
    }
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
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    // Alt+O is the access key of OK, and Ctrl or Meta with O is a different key: only O itself
    // (with Shift or not) is the offline key.
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers chord = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
    if (key->key() == OfflineKey && !(key->modifiers() & chord) && watched != netText) {
        link.SetOfflineMode(!link.OfflineMode());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vk220::app
