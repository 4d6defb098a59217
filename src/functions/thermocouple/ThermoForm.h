#pragma once

#include "ui/FunctionWindow.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vk220::ui {
class EntryRow;
} // namespace vk220::ui

namespace vk220::thermocouple {

// The thermocouple simulation window: type, cold-junction mode and temperature. The setting lives
// in the controls and is read back from them at every set operation.
class ThermoForm final : public ui::FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("THERMOCOUPLE SIMULATION FUNCTION");

    explicit ThermoForm(ui::FunctionContext &context);

    // Validates the temperature against the selected type and, when valid, sends the setting and
    // shows it.
    void SetTemp(double tempVal, bool autoCjc);

protected:
    void OnLoad() override;
    bool OnEnterKey() override;

private:
    // Reads TempManText and the cold-junction option and calls SetTemp.
    void Set();
    // Set, unless the entry is empty (Enter and the cold-junction options).
    bool SetTyped();
    // OutputOnLab is shown while the calibrator was last told to switch the output on.
    void ShowOutputOn();

    QComboBox *thermoCombo;
    ui::EntryRow *entryRow;
    QLineEdit *tempManText;
    QButtonGroup *cjOpt;
    QLabel *tempLab;
    QLabel *thermoTypeLab;
    QLabel *outputOnLab;
};

} // namespace vk220::thermocouple
