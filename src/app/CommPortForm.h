#pragma once

#include "app/SerialDevice.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace vk220::link {
class CalibratorLink;
} // namespace vk220::link
namespace vk220::ui {
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::app {

// The modal port dialog: the operator picks the port the calibrator hangs on, or leaves the
// program. Beside the port numbers it lists the serial devices present, kept up to date while it
// is open, and binds a number to one of them by a link "COMn" in the current folder. The key
// OfflineKey, pressed while the dialog is active, flips offline mode without any visible sign
// (but in the network port's entry, where it is a letter of the address). A network address
// entered there ("tcp://host:4001", "rfc2217://host:4001") is taken instead of the number.
class CommPortForm final : public QDialog {
    Q_OBJECT
public:
    static constexpr Qt::Key OfflineKey = Qt::Key_O;

    CommPortForm(link::CalibratorLink &link, ui::MessageBoxes &boxes, QWidget *parent = nullptr,
                 SerialDeviceSource devices = PresentSerialDevices);

    void SetMessage(const QString &message);
    // True when the dialog ended through "&Exit".
    bool ExitChosen() const { return exitChosen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Ok();
    void ShowDevice();
    void RefreshDevices();
    // Makes the chosen number's "COMn" a link to the selected device (PortLinker).
    void LinkSelected();

    link::CalibratorLink &link;
    ui::MessageBoxes &boxes;
    SerialDeviceSource devices;
    QList<SerialDevice> listed;
    QLabel *commLab;
    QComboBox *combo;
    QLineEdit *netText;
    QLabel *deviceLab;
    QTreeWidget *deviceList;
    QPushButton *linkBut;
    QPushButton *commBut;
    QPushButton *exitBut;
    // Looks for devices plugged in or pulled out while the dialog is open.
    QTimer *deviceTimer;
    bool exitChosen = false;
};

} // namespace vk220::app
