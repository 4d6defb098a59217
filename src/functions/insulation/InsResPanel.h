#pragma once

#include "ResistanceDigits.h"

#include <QFrame>

class ButtonArray;
class FunctionWindow;
class MessageBoxes;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

// The resistance page of the insulation window: six decade digits with their spin buttons, the
// manual entry, full scale and zero. The setting lives only in the digit captions; every change
// ends with SetIns, which sends the preset and the resistance mask. Each click is one of the
// window's actions.
class InsResPanel final : public QFrame {
    Q_OBJECT
public:
    static inline const QString PageText = QStringLiteral("#Insulation Res.");
    static inline const QString EnterValue = QStringLiteral("ENTER VALUE");
    static inline const QString EnterValueNumeric = QStringLiteral("ENTER VALUE (NUMERIC)");

    InsResPanel(FunctionWindow &window, MessageBoxes &boxes);

    // Labels the calibrator's display and sends the present digits: the page comes into use.
    void Announce();
    // The window's opening: the label, then 10.00 MΩ.
    void Open();
    void SetIns();
    void Increment(int index);
    void Decrement(int index);
    // Takes the manual entry into the digits.
    void Set();
    void FullScale();
    void Zero();
    void SetDigit(int index, const QString &caption);

    // The digits as the operator reads them: "0010.00".
    QString Display() const;
    // The two lines last sent by SetIns.
    QString Caption() const;

    QLabel &DigitLab(int index) const { return *digitLab.at(static_cast<size_t>(index)); }
    QLineEdit &InsManText() const { return *insManText; }

private:
    QLayout *BuildDigits();
    QLayout *BuildEntry();
    // The digits shown in grey while their masks are on their way, in black once sent.
    void ShowDigitsSent(bool sent);
    // Sends `lines`, then shows the masks among them, one line each.
    void SendAndShow(const QStringList &lines, const QStringList &masks);
    void FilterEntry();
    int Digit(int index) const;
    ResistanceDigits::Values Values() const;
    // Writes the digits that differ from those shown.
    void ShowDigits(const ResistanceDigits::Values &digits);
    QStringList Masks() const;

    FunctionWindow &window;
    MessageBoxes &boxes;
    std::array<QLabel *, ResistanceDigits::Count> digitLab{};
    ButtonArray *adjUp;
    ButtonArray *adjDown;
    QLineEdit *insManText;
    QLabel *entValLab;
    QPushButton *setBut;
    QPushButton *fsBut;
    QPushButton *zeroBut;
    QLabel *maskLab;
};
