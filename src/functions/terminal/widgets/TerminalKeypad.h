#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace vk220::ui {
class ButtonArray;
} // namespace vk220::ui

namespace vk220::terminal {

// The calibrator's keypad as the terminal window draws it: the entry line `KBText`, whose list
// holds the outputs set so far, the guidance line `GuideLab` under it, and the twenty keys of
// `Command1`. It only reports what the operator does; the window decides what each key means and
// what the guidance line says.
class TerminalKeypad final : public QWidget {
    Q_OBJECT
public:
    // Captions of Command1 in index order (see KeypadKey).
    static inline const QStringList Captions{
        QStringLiteral("1"),      QStringLiteral("2"),     QStringLiteral("3"),
        QStringLiteral("4"),      QStringLiteral("5"),     QStringLiteral("6"),
        QStringLiteral("7"),      QStringLiteral("8"),     QStringLiteral("9"),
        QStringLiteral("0"),      QStringLiteral("."),     QStringLiteral("< Back Space"),
        QStringLiteral("Hz"),     QStringLiteral("DC"),    QStringLiteral("A"),
        QStringLiteral("\u00B1"), QStringLiteral("ENTER"), QStringLiteral("u"),
        QStringLiteral("m"),      QStringLiteral("V")};

    explicit TerminalKeypad(QWidget *parent = nullptr);

    QComboBox &KBText() const { return *kbText; }
    QLabel &GuideLab() const { return *guideLab; }
    ui::ButtonArray &Command1() const { return *command1; }
    QPushButton &EnterKey() const;
    // The entry line, then the keys row by row as they stand.
    QList<QWidget *> InTabOrder() const;

    QString Entry() const;
    void SetEntry(const QString &text);
    void AddHistory(const QString &item);

signals:
    void KeyPressed(int index);
    // Enter pressed in the entry line, whether or not the "ENTER" key is enabled.
    void EntryReturned();
    // An item chosen from the opened history list (a click, or Enter in the list); the entry line
    // now shows it. Wheel turns and arrow keys over the closed list choose nothing.
    void HistoryPicked(const QString &item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Leaves the list without a current item and the entry line showing `entry`.
    void ForgetCurrentItem(const QString &entry);

    QComboBox *kbText;
    QLabel *guideLab;
    ui::ButtonArray *command1;
};

} // namespace vk220::terminal
