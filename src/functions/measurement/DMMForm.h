#pragma once

#include "ui/PollingFunctionWindow.h"

class QLabel;

namespace vk220::ui {
class ButtonArray;
class PollingTimer;
class ReadingMarks;
class ReadingTools;
} // namespace vk220::ui

namespace vk220::measurement {

// The mA and mV window: the calibrator measures on one of four ranges, read every 500 ms, with a
// NULL function that takes off the reading held when it was switched on.
class DMMForm final : public ui::PollingFunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("mA & mV MEASUREMENT");

    explicit DMMForm(ui::FunctionContext &context);

    // Switches to range `index`; NULL goes off and the reading restarts.
    void SelectRange(int index);
    // Switches NULL on or off; the next reading captures or drops the offset.
    void ToggleNull();
    bool NullOn() const;

    double NullOffset() const { return nullOffset; }

protected:
    void OnLoad() override;
    // The calibrator is left measuring: this window hands nothing back when it closes.
    bool ReleasesOnUnload() const override { return false; }

private:
    void BuildLayout();
    void ShowReading(double raw);

    ui::ButtonArray *dmmBut;
    QPushButton *nullBut;
    QLabel *nullLab;
    QLabel *readLab;
    QLabel *dispInfoLab;
    // In counts; 0 while none is captured.
    double nullOffset = 0.0;
};

} // namespace vk220::measurement
