#include "ui/ReadingTools.h"

#include "ui/Controls.h"
#include "ui/FunctionWindow.h"
#include "ui/TrendWindow.h"
#include "ui/logic/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace vk220::ui {

namespace {

const QString LogCaption = QStringLiteral("Log...");
const QString StopLogCaption = QStringLiteral("Stop Log");
const QString LogSuffix = QStringLiteral("csv");
const QColor LogMarkColour(192, 0, 0);

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

ReadingTools::ReadingTools(FunctionWindow &window, const QString &name, const QString &title,
                           MessageBoxes &boxes, QWidget *parent)
    : QWidget(parent), windowName(name), title(title), boxes(boxes), log(boxes),
      trendBut(new QPushButton(QStringLiteral("Trend"), this)),
      logBut(new QPushButton(LogCaption, this)),
      logLab(new QLabel(QStringLiteral("\u25CF LOG"), this)) {
    Controls::Name(*this, QStringLiteral("ReadingTools"));
    Controls::Name(*trendBut, QStringLiteral("TrendBut"));
    Controls::Name(*logBut, QStringLiteral("LogBut"));
    Controls::Name(*logLab, QStringLiteral("LogLab"));
    trendBut->setCheckable(true);
    QFont bold = logLab->font();
    bold.setBold(true);
    logLab->setFont(bold);
    QPalette palette = logLab->palette();
    palette.setColor(QPalette::WindowText, LogMarkColour);
    logLab->setPalette(palette);
    // Its place stays taken, so the buttons do not move when a log starts or ends.
    QSizePolicy policy = logLab->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    logLab->setSizePolicy(policy);
    logLab->hide();
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(trendBut);
    row->addWidget(logBut);
    row->addWidget(logLab);

    uptime.start();
    monotonicSeconds = [this] {
        return uptime.nsecsElapsed() / 1e9;
    };
    timeOfDay = [] {
        return QDateTime::currentDateTime();
    };
    chooseLogFile = [this](const QString &proposed) {
        QFileDialog dialog(this, QStringLiteral("Log Readings"), QFileInfo(proposed).path(),
                           QStringLiteral("CSV files (*.csv)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(LogSuffix);
        dialog.selectFile(QFileInfo(proposed).fileName());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    connect(trendBut, &QPushButton::toggled, this, &ReadingTools::ShowTrend);
    connect(logBut, &QPushButton::clicked, this, &ReadingTools::StartOrStopLog);
    connect(&window, &FunctionWindow::Unloaded, this, &ReadingTools::EndLogWithWindow);
}

ReadingTools::~ReadingTools() {
    // The trend window reads the history, which is gone before the base class deletes children.
    delete trend;
}

void ReadingTools::Record(const ReadingHistory::Shown &shown) {
    const QDateTime now = timeOfDay();
    history.Add(shown, monotonicSeconds(), now);
    if (log.Active()) {
        log.Write(now, windowName, shown);
        ShowLogState();
    }
    if (trend && trend->isVisible())
        trend->Refresh();
}

void ReadingTools::RecordNullOffset(const ReadingHistory::Shown &offset) {
    if (log.Active()) {
        log.WriteNullOffset(timeOfDay(), windowName, offset);
        ShowLogState();
    }
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
        QString path = chooseLogFile(ProposedLogFile());
        if (!path.isEmpty()) {
            // The dialog adds the suffix itself before it asks whether to replace a file; a
            // native dialog may not.
            if (QFileInfo(path).suffix().isEmpty())
                path += QLatin1Char('.') + LogSuffix;
            log.Start(path);
        }
    }
    ShowLogState();
}

QString ReadingTools::ProposedLogFile() const {
    const QString stamp = timeOfDay().toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    return QDir::current().absoluteFilePath(
        QStringLiteral("%1-%2.%3").arg(windowName, stamp, LogSuffix));
}

void ReadingTools::EndLogWithWindow() {
    if (!log.Active())
        return;
    const QString path = QDir::toNativeSeparators(log.Path());
    const int written = log.Written();
    log.Stop();
    ShowLogState();
    const QString readings = written == 1 ? QStringLiteral("1 reading was")
                                          : QStringLiteral("%1 readings were").arg(written);
    boxes.Inform(ReadingLog::BoxTitle,
                 QStringLiteral("The window has closed and its log has ended: %1 written to "
                                "%2.")
                     .arg(readings, path));
}

void ReadingTools::ShowLogState() {
    const bool active = log.Active();
    logBut->setText(active ? StopLogCaption : LogCaption);
    logLab->setVisible(active);
    logLab->setToolTip(active ? QDir::toNativeSeparators(log.Path()) : QString());
}

} // namespace vk220::ui
