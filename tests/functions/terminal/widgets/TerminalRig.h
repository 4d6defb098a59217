#pragma once

#include "functions/terminal/logic/KeypadKey.h"
#include "functions/terminal/widgets/CalibratorDisplay.h"
#include "functions/terminal/widgets/TerminalForm.h"
#include "functions/terminal/widgets/TerminalKeypad.h"
#include "functions/terminal/widgets/TerminalSelector.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionRig.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// A terminal window on the fake port, run in a fresh current folder so that its flag files
// touch nothing else. Drives the window only through its controls.
struct TerminalRig {
    using Box = RecordingMessageBoxes::Box;

    static inline const QStringList Opening{"p17039360", "#Volts Terminals", "p0", "R1", "O0",
                                            "S0"};

    TerminalRig() : previousFolder(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~TerminalRig() {
        delete form;
        QDir::setCurrent(previousFolder);
    }

    // Creates, shows and loads the window.
    void Open() {
        form = new vk220::terminal::TerminalForm(rig.context);
        form->show();
        form->Load();
    }
    // Closes the window by its Close button and deletes it.
    void Close() {
        QTest::mouseClick(&form->CloseButton(), Qt::LeftButton);
        delete form;
    }

    // Clicks the Command1 key with `caption`.
    void Key(const QString &caption) {
        const int index =
            static_cast<int>(vk220::terminal::TerminalKeypad::Captions.indexOf(caption));
        QVERIFY2(index >= 0, qPrintable(caption));
        QTest::mouseClick(KeyButton(index), Qt::LeftButton);
    }
    // Clicks the keys whose captions are the single characters of `keys`.
    void Keys(const QString &keys) {
        for (const QChar key : keys)
            Key(QString(key));
    }
    QPushButton *KeyButton(int index) const {
        return Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")->Command1().At(index);
    }
    QPushButton &EnterKey() const {
        return Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")->EnterKey();
    }

    // Types `text` into the entry line and presses Enter there.
    void Type(const QString &text) {
        QLineEdit &line =
            *Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")->KBText().lineEdit();
        line.clear();
        QTest::keyClicks(&line, text);
        QTest::keyClick(&line, Qt::Key_Return);
    }
    // Chooses item `index` of the history list from its drop-down, with the Return key.
    void PickHistory(int index) {
        QComboBox &list = Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")->KBText();
        list.showPopup();
        QAbstractItemView &view = *list.view();
        view.setCurrentIndex(list.model()->index(index, list.modelColumn()));
        // The drop-down takes Return as a shortcut override, before any key press.
        QKeyEvent pick(QEvent::ShortcutOverride, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &pick);
    }
    QStringList History() const {
        QStringList items;
        for (int i = 0;
             i < Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")->KBText().count();
             ++i)
            items << Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")
                         ->KBText()
                         .itemText(i);
        return items;
    }

    QPushButton *Term(int index) const {
        return Find<vk220::terminal::TerminalSelector>(form, "TerminalSelector")
            ->TermBut()
            .At(index);
    }
    void ClickTerm(int index) { QTest::mouseClick(Term(index), Qt::LeftButton); }
    // TermBut indices shown selected: the selected colour, and bold.
    QList<int> Selected() const {
        QList<int> selected;
        for (int i = 0; i < 11; ++i) {
            if (vk220::ui::Controls::IsSelected(*Term(i)))
                selected << i;
        }
        return selected;
    }
    QList<int> Bold() const {
        QList<int> bold;
        for (int i = 0; i < 11; ++i) {
            if (Term(i)->font().bold())
                bold << i;
        }
        return bold;
    }
    QList<int> EnabledPaths() const {
        return Find<vk220::terminal::TerminalSelector>(form, "TerminalSelector")->EnabledPaths();
    }
    bool PathsShown() const {
        bool shown = !Find<QLabel>(form, "CLab")->isHidden();
        for (const int index : {10, 6, 7, 8})
            shown = shown && !Term(index)->isHidden();
        return shown;
    }

    QString Entry() const {
        return Find<vk220::terminal::TerminalKeypad>(form, "TerminalKeypad")->Entry();
    }
    QString Display() const {
        return Find<vk220::terminal::CalibratorDisplay>(form, "CalibratorDisplay")
            ->Display()
            .text();
    }
    QString HzLab() const {
        return Find<vk220::terminal::CalibratorDisplay>(form, "CalibratorDisplay")->HzLab().text();
    }
    QString CalOPLab() const {
        return Find<vk220::terminal::CalibratorDisplay>(form, "CalibratorDisplay")
            ->CalOPLab()
            .text();
    }
    QString OPLab() const {
        return Find<vk220::terminal::CalibratorDisplay>(form, "CalibratorDisplay")->OPLab().text();
    }
    // OUTPUT ON lit and STAND BY plain, or the other way round.
    bool OutputOn() const {
        return vk220::ui::Controls::IsSelected(*Find<QPushButton>(form, "ONBut")) &&
               !vk220::ui::Controls::BackColour(*Find<QPushButton>(form, "OffBut")).isValid();
    }
    bool InStandby() const {
        return !vk220::ui::Controls::BackColour(*Find<QPushButton>(form, "ONBut")).isValid() &&
               vk220::ui::Controls::HasBackColour(*Find<QPushButton>(form, "OffBut"),
                                                  vk220::ui::Controls::StandbyColour);
    }

    QStringList Taken() { return rig.TakeWritten(); }
    QList<Box> TakeBoxes() {
        QList<Box> boxes = rig.boxes.shown;
        rig.boxes.shown.clear();
        return boxes;
    }
    // OUTPUT ON, "Hz" and "DC" while no output has been set for the point switched in.
    static Box OutputNotSet() {
        return RecordingMessageBoxes::Information(
            QStringLiteral("Output Not Set"),
            QStringLiteral("The output for the selected terminals is not set yet.\r\r"
                           "Set it with ENTER, then switch the output on."));
    }
    static Box Refusal(const QString &output) {
        return RecordingMessageBoxes::Information(
            QStringLiteral("Corvale : Output Value Cannot Be Set"),
            QStringLiteral("WARNING :\r\rIt is not possible to set the following output\ron the "
                           "Corvale calibrator :\r\rOutput : ") +
                output + QStringLiteral("\r\rPlease check the output setting."));
    }

    QTemporaryDir folder;
    QString previousFolder;
    FunctionRig rig;
    QPointer<vk220::terminal::TerminalForm> form;
};
