#include "app/MainStatusBar.h"

#include "app/OutputSummary.h"
#include "app/StatusField.h"
#include "link/CalibratorLink.h"
#include "link/SerialPort.h"
#include "ui/logic/ProgramState.h"

#include <QTimer>

namespace vk220::app {

MainStatusBar::MainStatusBar(ui::ProgramState &state, std::function<QString()> openTitle)
    : state(state), openTitle(std::move(openTitle)),
      linkLab(new StatusField(QStringLiteral("LinkLab"))),
      functionLab(new StatusField(QStringLiteral("FunctionLab"))),
      outputLab(new StatusField(QStringLiteral("OutputLab"))),
      sentLab(new StatusField(QStringLiteral("SentLab"))),
      noticeLab(new StatusField(QStringLiteral("NoticeLab"))), refusalTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("MainStatusBar"));
    for (StatusField *field : {linkLab, functionLab, outputLab, sentLab})
        addWidget(field);
    QFont bold = noticeLab->font();
    bold.setBold(true);
    noticeLab->setFont(bold);
    addWidget(noticeLab, 1);
    sentLab->SetText(QStringLiteral("Nothing sent yet"));
    refusalTimer->setObjectName(QStringLiteral("RefusalTimer"));
    refusalTimer->setSingleShot(true);
    refusalTimer->setInterval(RefusalMs);
    connect(refusalTimer, &QTimer::timeout, this, [this] {
        refusal.clear();
        ShowNotice();
    });
}

void MainStatusBar::LineWritten(const QString &line) {
    sentLab->SetText(QStringLiteral("Sent: ") + line);
    Refresh();
}

void MainStatusBar::ExchangeEnded(const link::ExchangeReport &report) {
    if (report.end != link::ExchangeReport::End::NotSent &&
        report.end != link::ExchangeReport::End::Offline)
        lastExchange = report;
    Refresh();
}

void MainStatusBar::Refresh() {
    linkLab->SetText(QStringLiteral("%1: %2").arg(state.link.PortName(), LinkHealth()));
    const QString title = openTitle();
    functionLab->SetText(title.isEmpty() ? QStringLiteral("No function open") : title);
    outputLab->SetText(OutputSummary::Text(state.interlock.Model()));
}

QString MainStatusBar::LinkHealth() const {
    link::CalibratorLink &link = state.link;
    if (link.OfflineMode())
        return QStringLiteral("offline");
    // The port may have closed itself after a fault that the link has yet to note.
    if (link.PortLost() || link.Port().Lost())
        return QStringLiteral("lost");
    if (!lastExchange)
        return QStringLiteral("no exchange yet");
    switch (lastExchange->end) {
    case link::ExchangeReport::End::Replied:
        return lastExchange->seconds > SlowSeconds ? QStringLiteral("slow") : QStringLiteral("OK");
    case link::ExchangeReport::End::Silence:
        return QStringLiteral("slow");
    default:
        return QStringLiteral("error");
    }
}

void MainStatusBar::ShowPending(int actions) {
    pending = actions;
    ShowNotice();
}

void MainStatusBar::ShowRefused(const QString &message) {
    refusal = message;
    refusalTimer->start();
    ShowNotice();
}

void MainStatusBar::ShowNotice() {
    if (!refusal.isEmpty())
        noticeLab->SetText(refusal);
    else if (pending > 0)
        noticeLab->SetText(QStringLiteral("Sending\u2026 (%1 queued)").arg(pending));
    else
        noticeLab->SetText(QString());
}

} // namespace vk220::app
