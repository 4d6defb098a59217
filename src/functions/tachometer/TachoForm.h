#pragma once

#include "FunctionWindow.h"

class EntryRow;
class QLabel;
class QLineEdit;

// The tachometer calibration window: a speed entry whose accepted value, rounded down to the
// 6 RPM step, the calibrator produces.
class TachoForm final : public FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("TACHOMETER CALIBRATION FUNCTION");

    explicit TachoForm(FunctionContext &context);

protected:
    void OnLoad() override;
    bool OnEnterKey() override;

private:
    // Reads RPMText and, when the speed is within the limits, sets it and shows it.
    void Set();
    // OutputOnLab is shown while the calibrator was last told to switch the output on.
    void ShowOutputOn();

    EntryRow *entryRow;
    QLineEdit *rpmText;
    QLabel *rpmLab;
    QLabel *outputOnLab;
};
