#pragma once

#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vk220::ui {

class ReadingHistory;
class TrendChart;

// The trend of a polling window, in a small window of its own beside it: the readings of the
// series under way against the clock, and below them count, mean, the sample's standard deviation
// ("σ (n−1)", "-" below two readings), minimum, maximum and peak-to-peak over the last 10, 50 or
// 200 readings or all of them. "Reset" forgets the readings and starts again; "Close" and Esc
// close the window.
class TrendWindow final : public QWidget {
    Q_OBJECT
public:
    TrendWindow(const QString &title, ReadingHistory &history, QWidget *owner);

    // Draws the chart and the figures again from the history.
    void Refresh();

    // The figure named "Count", "Mean", "Std Dev", "Min", "Max", "Peak-Peak" or "Over Range".
    QString Figure(const QString &name) const;

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The figure `name`, captioned `caption` when it reads better than its name.
    QLabel *AddFigure(QGridLayout &grid, const QString &name, int row, int column,
                      const QString &caption = {});

    ReadingHistory &history;
    TrendChart *trendChart;
    QComboBox *lastBox;
    QPushButton *resetBut;
    QPushButton *closeBut;
    QLabel *countLab;
    QLabel *meanLab;
    QLabel *stdDevLab;
    QLabel *minLab;
    QLabel *maxLab;
    QLabel *peakPeakLab;
    QLabel *overRangeLab;
};

} // namespace vk220::ui
