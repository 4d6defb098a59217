#pragma once

#include <QColor>
#include <QFrame>

class QLabel;

namespace vk220::terminal {

struct OutputMarker;

// The display of the terminal window's front panel: the present output (`Display`) with its
// frequency (`HzLab`), whether it is live (`StateLab`, "OPR" or "STBY", and the value dimmed in
// standby) with a warning while a high voltage is live (`HVLab`), what the calibrator itself
// delivers through a coil (`CalOPLab`), and the value being keyed (`OPLab` in the frame "Output
// Value").
class CalibratorDisplay final : public QFrame {
    Q_OBJECT
public:
    // The display's lit text, the value while it is not live, and the high-voltage warning.
    static inline const QColor LitColour{150, 255, 170};
    static inline const QColor DimColour{70, 115, 85};
    static inline const QColor WarningColour{255, 190, 0};

    explicit CalibratorDisplay(QWidget *parent = nullptr);

    QLabel &OPLab() const { return *opLab; }
    QLabel &Display() const { return *display; }
    QLabel &HzLab() const { return *hzLab; }
    QLabel &CalOPLab() const { return *calOpLab; }

    // Shows what `marker` tells of the output beside its value.
    void ShowOutput(const OutputMarker &marker);

private:
    QLabel *opLab;
    QLabel *display;
    QLabel *hzLab;
    QLabel *calOpLab;
    QLabel *stateLab;
    QLabel *hvLab;
};

} // namespace vk220::terminal
