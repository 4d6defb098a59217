#include "ui/TrendWindow.h"

#include "link/Reading.h"
#include "ui/Controls.h"
#include "ui/TrendChart.h"
#include "ui/logic/ReadingHistory.h"
#include "ui/logic/ReadingStatistics.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vk220::ui {

namespace {

// "Std Dev" is shown by the label "StdDevLab".
QString LabelName(const QString &caption) {
    QString name = caption;
    return name.remove(QLatin1Char(' ')).remove(QLatin1Char('-')) + QStringLiteral("Lab");
}

} // namespace

TrendWindow::TrendWindow(const QString &title, ReadingHistory &history, QWidget *owner)
    : QWidget(owner, Qt::Tool), history(history), trendChart(new TrendChart(this)),
      lastBox(new QComboBox(this)), resetBut(new QPushButton(QStringLiteral("Reset"), this)),
      closeBut(new QPushButton(QStringLiteral("Close"), this)) {
    Controls::Name(*this, QStringLiteral("TrendWindow"));
    Controls::Name(*trendChart, QStringLiteral("TrendChart"));
    trendChart->setAccessibleName(QStringLiteral("Readings against time"));
    Controls::Name(*lastBox, QStringLiteral("LastBox"));
    lastBox->setAccessibleName(QStringLiteral("Statistics over"));
    Controls::Name(*resetBut, QStringLiteral("ResetBut"));
    Controls::Name(*closeBut, QStringLiteral("CloseBut"));
    setWindowTitle(title + QStringLiteral(" - Trend"));
    for (const int last : ReadingStatistics::Windows)
        lastBox->addItem(last ? QStringLiteral("Last %1").arg(last) : QStringLiteral("All"), last);
    lastBox->setCurrentIndex(lastBox->count() - 1);

    auto *figures = new QGridLayout;
    countLab = AddFigure(*figures, QStringLiteral("Count"), 0, 0);
    overRangeLab = AddFigure(*figures, QStringLiteral("Over Range"), 1, 0);
    meanLab = AddFigure(*figures, QStringLiteral("Mean"), 0, 1);
    // The sample's standard deviation, over n - 1.
    stdDevLab =
        AddFigure(*figures, QStringLiteral("Std Dev"), 1, 1, QStringLiteral("\u03C3 (n\u22121)"));
    minLab = AddFigure(*figures, QStringLiteral("Min"), 0, 2);
    maxLab = AddFigure(*figures, QStringLiteral("Max"), 1, 2);
    peakPeakLab = AddFigure(*figures, QStringLiteral("Peak-Peak"), 2, 2);
    auto *controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Statistics over"), this));
    controls->addWidget(lastBox);
    controls->addStretch(1);
    controls->addWidget(resetBut);
    controls->addWidget(closeBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(trendChart, 1);
    layout->addLayout(figures);
    layout->addLayout(controls);
    // Room for the axes' numbers in full: smaller, the chart cuts them to "...".
    resize(640, 420);

    connect(lastBox, &QComboBox::currentIndexChanged, this, &TrendWindow::Refresh);
    connect(resetBut, &QPushButton::clicked, this, [this] {
        this->history.Reset();
        Refresh();
    });
    connect(closeBut, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

QLabel *TrendWindow::AddFigure(QGridLayout &grid, const QString &name, int row, int column,
                               const QString &caption) {
    auto *value = new QLabel(this);
    Controls::Name(*value, LabelName(name));
    value->setAccessibleName(name);
    value->setMinimumWidth(70);
    grid.addWidget(new QLabel((caption.isEmpty() ? name : caption) + QLatin1Char(':'), this), row,
                   2 * column);
    grid.addWidget(value, row, 2 * column + 1);
    return value;
}

void TrendWindow::Refresh() {
    const auto series = history.CurrentSeries();
    const ReadingHistory::Range range =
        series.empty() ? ReadingHistory::Range{} : history.RangeOf(series.back());
    trendChart->Plot(history, series, range);
    const ReadingStatistics figures = ReadingStatistics::Of(series, lastBox->currentData().toInt());
    const auto show = [&](QLabel *label, double value, int extraDecimals, int least = 1) {
        label->setText(figures.count >= least
                           ? link::Reading::Fixed(value, range.decimals + extraDecimals, range.unit)
                           : QStringLiteral("-"));
    };
    countLab->setText(QString::number(figures.count));
    overRangeLab->setText(QString::number(figures.overRange));
    show(meanLab, figures.mean, 1);
    // One reading has no spread to speak of.
    show(stdDevLab, figures.standardDeviation, 1, 2);
    show(minLab, figures.min, 0);
    show(maxLab, figures.max, 0);
    show(peakPeakLab, figures.PeakToPeak(), 0);
}

QString TrendWindow::Figure(const QString &name) const {
    const auto *label = findChild<QLabel *>(LabelName(name));
    return label ? label->text() : QString();
}

void TrendWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    emit Closed();
}

} // namespace vk220::ui
