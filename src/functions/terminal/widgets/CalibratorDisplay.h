#pragma once

#include <QFrame>

class QLabel;

// The display of the terminal window's front panel: the present output (`Display`) with its
// frequency (`HzLab`), what the calibrator itself delivers through a coil (`CalOPLab`), and the
// value being keyed (`OPLab` in the frame "Output Value").
class CalibratorDisplay final : public QFrame {
    Q_OBJECT
public:
    explicit CalibratorDisplay(QWidget *parent = nullptr);

    QLabel &OPLab() const { return *opLab; }
    QLabel &Display() const { return *display; }
    QLabel &HzLab() const { return *hzLab; }
    QLabel &CalOPLab() const { return *calOpLab; }

private:
    QLabel *opLab;
    QLabel *display;
    QLabel *hzLab;
    QLabel *calOpLab;
};
