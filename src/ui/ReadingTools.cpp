#include "ReadingTools.h"

#include "Controls.h"
#include "TrendWindow.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

const QString LogCaption = QStringLiteral("Log...");
const QString StopLogCaption = QStringLiteral("Stop Log");

// The top left corner of a main window's central widget, below its menus.
QPoint BelowMenus(const QWidget &top) {
    const auto *main = qobject_cast<const QMainWindow *>(&top);
    if (!main || !main->centralWidget())
        return top.geometry().topLeft();
    return {top.geometry().left(), main->centralWidget()->mapToGlobal(QPoint(0, 0)).y()};
}

// Beside the owner's window when the screen has room on its right or left; else over the top left
// corner of the main window, where it hides the function buttons (disabled while a function
// window is open) and the least of a window centred in the work area.
void PlaceBeside(QWidget &trend, const QWidget &owner) {
    // The owner's window is a child window of the main window's work area, or a window of its
    // own (tests).
    const QWidget *window = &owner;
    while (!window->isWindow() && !window->parentWidget()->inherits("QMdiSubWindow"))
        window = window->parentWidget();
    if (!window->isWindow())
        window = window->parentWidget();
    const QRect frame = window->isWindow()
                            ? window->frameGeometry()
                            : QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize size = trend.frameGeometry().size();
    const int gap = 8;
    QPoint at(frame.right() + gap, frame.top());
    if (at.x() + size.width() > room.right())
        at.setX(frame.left() - gap - size.width());
    if (at.x() < room.left())
        at = BelowMenus(*owner.window());
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    trend.move(at);
}

} // namespace

ReadingTools::ReadingTools(const QString &window, const QString &title, MessageBoxes &boxes,
                           QWidget *parent)
    : QWidget(parent), windowName(window), title(title), log(boxes),
      trendBut(new QPushButton(QStringLiteral("Trend"), this)),
      logBut(new QPushButton(LogCaption, this)) {
    Controls::Name(*this, QStringLiteral("ReadingTools"));
    Controls::Name(*trendBut, QStringLiteral("TrendBut"));
    Controls::Name(*logBut, QStringLiteral("LogBut"));
    trendBut->setCheckable(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(trendBut);
    row->addWidget(logBut);

    uptime.start();
    monotonicSeconds = [this] {
        return uptime.nsecsElapsed() / 1e9;
    };
    timeOfDay = [] {
        return QDateTime::currentDateTime();
    };
    chooseLogFile = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Log Readings"), QString(),
                                            QStringLiteral("CSV files (*.csv)"));
    };

    connect(trendBut, &QPushButton::toggled, this, &ReadingTools::ShowTrend);
    connect(logBut, &QPushButton::clicked, this, &ReadingTools::StartOrStopLog);
}

ReadingTools::~ReadingTools() {
    // The trend window reads the history, which is gone before the base class deletes children.
    delete trend;
}

void ReadingTools::Record(const ReadingHistory::Shown &shown) {
    const ReadingHistory::Sample sample = history.Add(shown, monotonicSeconds());
    if (log.Active()) {
        log.Write(timeOfDay(), windowName, history.RangeOf(sample), sample);
        ShowLogState();
    }
    if (trend && trend->isVisible())
        trend->Refresh();
}

void ReadingTools::ShowTrend(bool shown) {
    if (!shown) {
        if (trend)
            trend->hide();
        return;
    }
    const bool first = !trend;
    if (first) {
        trend = new TrendWindow(title, history, this);
        connect(trend, &TrendWindow::Closed, this, [this] { trendBut->setChecked(false); });
    }
    trend->Refresh();
    trend->show();
    // Placed once shown, at the size its contents ask for; later where the operator left it.
    if (first)
        PlaceBeside(*trend, *this);
}

void ReadingTools::StartOrStopLog() {
    if (log.Active()) {
        log.Stop();
    } else {
        const QString path = chooseLogFile();
        if (!path.isEmpty())
            log.Start(path);
    }
    ShowLogState();
}

void ReadingTools::ShowLogState() {
    logBut->setText(log.Active() ? StopLogCaption : LogCaption);
}
