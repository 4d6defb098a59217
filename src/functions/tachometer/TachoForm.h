#pragma once

#include "ui/FunctionWindow.h"

class QLabel;
class QLineEdit;

namespace vk220::ui {
class EntryRow;
} // namespace vk220::ui

namespace vk220::tachometer {

// The tachometer calibration window: a speed entry whose accepted value, rounded down to the
// 6 RPM step, the calibrator produces.
class TachoForm final : public ui::FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("TACHOMETER CALIBRATION FUNCTION");

    explicit TachoForm(ui::FunctionContext &context);

protected:
    void OnLoad() override;
    bool OnEnterKey() override;

private:
    // Reads RPMText and, when the speed is within the limits, sets it and shows it.
    void Set();
    // OutputOnLab is shown while the calibrator was last told to switch the output on.
    void ShowOutputOn();

    ui::EntryRow *entryRow;
    QLineEdit *rpmText;
    QLabel *rpmLab;
    QLabel *outputOnLab;
};

} // namespace vk220::tachometer
