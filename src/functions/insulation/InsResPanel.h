#pragma once

#include "functions/insulation/ResistanceDigits.h"

#include <QFrame>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace vk220::ui {
class FunctionWindow;
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::insulation {

class DecadeDigits;

// The resistance page of the insulation window: six decade digits with their spin buttons, the
// manual entry, full scale and zero. The setting lives only in the digit captions; every change
// ends with SetIns, which sends the preset and the resistance mask. Each click is one of the
// window's actions.
class InsResPanel final : public QFrame {
    Q_OBJECT
public:
    static inline const QString &PageText = ResistanceDigits::PageText;
    static inline const QString EnterValue = QStringLiteral("ENTER VALUE");
    static inline const QString EnterValueNumeric = QStringLiteral("ENTER VALUE (NUMERIC)");

    InsResPanel(ui::FunctionWindow &window, ui::MessageBoxes &boxes);

    // Labels the calibrator's display and sends the present digits: the page comes into use.
    void Announce();
    // The window's opening: the label, then 10.00 MΩ.
    void Open();
    // Takes the manual entry into the digits.
    void Set();

    // The digits as the operator reads them: "0010.00".
    QString Display() const;
    // The two lines last sent by SetIns.
    QString Caption() const;

    QLineEdit &InsManText() const { return *insManText; }

private:
    QLayout *BuildDigits();
    QLayout *BuildEntry();
    // Sends the preset and the resistance mask of the digits shown.
    void SetIns();
    void Increment(int index);
    void Decrement(int index);
    void FullScale();
    void Zero();
    // Sends `lines`, then shows the masks among them, one line each.
    void SendAndShow(const QStringList &lines, const QStringList &masks);
    void FilterEntry();
    QStringList Masks() const;

    ui::FunctionWindow &window;
    ui::MessageBoxes &boxes;
    DecadeDigits *digits;
    QLineEdit *insManText;
    QLabel *entValLab;
    QPushButton *setBut;
    QPushButton *fsBut;
    QPushButton *zeroBut;
    QLabel *maskLab;
};

} // namespace vk220::insulation
