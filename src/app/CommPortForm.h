#pragma once

#include <QDialog>

class CalibratorLink;
class MessageBoxes;
class QComboBox;
class QLabel;
class QPushButton;

// The modal port dialog: the operator picks the port the calibrator hangs on, or leaves the
// program. The key OfflineKey, pressed while the dialog is active, flips offline mode without
// any visible sign.
class CommPortForm final : public QDialog {
    Q_OBJECT
public:
    static constexpr Qt::Key OfflineKey = Qt::Key_O;

    CommPortForm(CalibratorLink &link, MessageBoxes &boxes, QWidget *parent = nullptr);

    void SetMessage(const QString &message);
    // True when the dialog ended through "&Exit".
    bool ExitChosen() const { return exitChosen; }

    QComboBox &COMCombo() const { return *combo; }
    QLabel &CommLab() const { return *commLab; }
    QPushButton &CommBut() const { return *commBut; }
    QPushButton &ExitBut() const { return *exitBut; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Ok();
    void ShowDevice();

    CalibratorLink &link;
    MessageBoxes &boxes;
    QLabel *commLab;
    QComboBox *combo;
    QLabel *deviceLab;
    QPushButton *commBut;
    QPushButton *exitBut;
    bool exitChosen = false;
};
