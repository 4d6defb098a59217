#include "runner/PointPanel.h"

#include "runner/RunSession.h"
#include "ui/ConnectionPicture.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vk220::runner {

namespace {

const QStringList Columns{QStringLiteral("Point"),   QStringLiteral("Phase"),
                          QStringLiteral("Nominal"), QStringLiteral("Reading"),
                          QStringLiteral("Error"),   QStringLiteral("Limits"),
                          QStringLiteral("Verdict")};

using Part = ui::ConnectionPicture::Part;

// The adapter's outputs a point is connected to, where the diagram shows them.
std::optional<Part> ConnectionPart(const procedures::TestPoint &point) {
    using procedures::PointFunction;
    switch (point.function) {
    case PointFunction::InsulationResistance:
    case PointFunction::TestVoltage:
        return Part::InsulationTerminals;
    case PointFunction::Measurement:
        return point.nominal.unit == u"A" ? Part::CurrentTerminals : Part::VoltageTerminals;
    case PointFunction::Terminal:
        switch (point.terminals) {
        case terminal::OutputPoint::Coil2:
            return Part::Coil2;
        case terminal::OutputPoint::Coil10:
            return Part::Coil10;
        case terminal::OutputPoint::Coil50:
            return Part::Coil50;
        case terminal::OutputPoint::LowCurrent:
            return Part::CurrentTerminals;
        case terminal::OutputPoint::HighCurrent:
            return Part::HighCurrentTerminals;
        default:
            return Part::VoltageTerminals;
        }
    default:
        return std::nullopt;
    }
}

QString Limits(const results::PointResult &result) {
    return results::ValueText(result.low, result.unit) + QStringLiteral(" to ") +
           results::ValueText(result.high, result.unit);
}

QString Optional(const std::optional<double> &value, const QString &unit) {
    return value ? results::ValueText(*value, unit) : QString();
}

} // namespace

PointPanel::PointPanel()
    : placeLab(
          ui::Controls::BoldLabel(QString(), ui::FontSizes::Heading, QStringLiteral("PointPlace"))),
      pointLab(
          ui::Controls::BoldLabel(QString(), ui::FontSizes::Title, QStringLiteral("PointNominal"))),
      connectionLab(new QLabel), picture(new ui::ConnectionPicture),
      statusLab(
          ui::Controls::BoldLabel(QString(), ui::FontSizes::Caption, QStringLiteral("RunStatus"))),
      readingLab(
          ui::Controls::BoldLabel(QString(), ui::FontSizes::Title, QStringLiteral("MeasuredLab"))),
      resultLab(ui::Controls::BoldLabel(QString(), ui::FontSizes::Caption,
                                        QStringLiteral("PointResult"))),
      entry(new QLineEdit), reason(new QLineEdit),
      outputOnBut(Button(QStringLiteral("Output On"), QStringLiteral("RunOutputOn"))),
      acceptBut(Button(QStringLiteral("Accept"), QStringLiteral("AcceptReading"))),
      repeatBut(Button(QStringLiteral("Repeat"), QStringLiteral("RepeatPoint"))),
      skipBut(Button(QStringLiteral("Skip"), QStringLiteral("SkipPoint"))),
      abortBut(Button(QStringLiteral("Abort"), QStringLiteral("AbortRun"))),
      nextBut(Button(QStringLiteral("Next"), QStringLiteral("NextPoint"))),
      table(new QTableWidget(0, static_cast<int>(Columns.size()))), toolsRow(new QHBoxLayout) {
    connectionLab->setWordWrap(true);
    resultLab->setWordWrap(true);
    ui::Controls::Name(*connectionLab, QStringLiteral("ConnectionLab"));
    ui::Controls::Name(*picture, QStringLiteral("ConnectionPart"));
    auto *connection = new QHBoxLayout;
    connection->addWidget(connectionLab, 2);
    connection->addWidget(picture, 3);
    ui::Controls::Name(*entry, QStringLiteral("UutReading"));
    entry->setAccessibleName(QStringLiteral("UUT reading"));
    ui::Controls::Name(*reason, QStringLiteral("SkipReason"));
    reason->setAccessibleName(QStringLiteral("Skip reason"));
    reason->setPlaceholderText(QStringLiteral("Reason for a skip"));
    ui::Controls::Name(*table, QStringLiteral("PointTable"));
    table->setHorizontalHeaderLabels(Columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("UUT reading")), 0, 0);
    fields->addWidget(entry, 0, 1);
    fields->addWidget(acceptBut, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Skip reason")), 1, 0);
    fields->addWidget(reason, 1, 1);
    fields->addWidget(skipBut, 1, 2);
    toolsRow->addWidget(readingLab);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {outputOnBut, repeatBut, abortBut})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(nextBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(placeLab);
    layout->addWidget(pointLab);
    layout->addLayout(connection);
    layout->addWidget(statusLab);
    layout->addLayout(toolsRow);
    layout->addLayout(fields);
    layout->addWidget(resultLab);
    layout->addLayout(buttons);
    layout->addWidget(table, 1);
    SetStage(Stage::Setting, QString());
}

QPushButton *PointPanel::Button(const QString &caption, const QString &name) {
    auto *button = new QPushButton(caption);
    ui::Controls::Name(*button, name);
    button->setAccessibleName(caption);
    return button;
}

void PointPanel::ShowPoint(const RunSession &session) {
    const procedures::TestPoint &point = session.Point();
    const procedures::ToleranceLimits limits = point.Limits();
    placeLab->setText(QStringLiteral("Point %1 of %2, %3")
                          .arg(session.Step())
                          .arg(session.Steps())
                          .arg(results::PhaseName(session.Phase())));
    pointLab->setText(QStringLiteral("%1: limits %2 to %3")
                          .arg(point.nominal.text,
                               results::ValueText(limits.low, point.nominal.unit),
                               results::ValueText(limits.high, point.nominal.unit)));
    connectionLab->setText(point.connection);
    picture->ShowAdapterOutputs(ConnectionPart(point));
    readingLab->clear();
    resultLab->clear();
    entry->clear();
    reason->clear();
}

void PointPanel::ShowResults(const QList<results::PointResult> &results, int points) {
    table->setRowCount(0);
    for (const results::PointResult &result : results) {
        const int row = table->rowCount();
        table->insertRow(row);
        const QStringList cells{QStringLiteral("%1/%2").arg(result.index + 1).arg(points),
                                results::PhaseName(result.phase),
                                results::ValueText(result.nominal, result.unit),
                                Optional(result.reading, result.unit),
                                Optional(result.error, result.unit),
                                Limits(result),
                                results::VerdictName(result.verdict)};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

void PointPanel::ShowResult(const results::PointResult &result, const QString &spread) {
    resultLab->setText(QStringLiteral("%1: reading %2%3, error %4, limits %5")
                           .arg(results::VerdictName(result.verdict),
                                Optional(result.reading, result.unit), spread,
                                Optional(result.error, result.unit), Limits(result)));
    ui::Controls::SetBackColour(*resultLab, result.verdict == results::Verdict::Pass
                                                ? ui::Controls::SelectedColour
                                                : ui::Controls::StandbyColour);
}

void PointPanel::SetStage(Stage stage, const QString &status) {
    statusLab->setText(status);
    const bool running = stage != Stage::Ended && stage != Stage::Halted;
    outputOnBut->setEnabled(stage == Stage::AwaitPress);
    entry->setEnabled(stage == Stage::AwaitEntry);
    acceptBut->setEnabled(stage == Stage::AwaitEntry);
    repeatBut->setEnabled(stage == Stage::Taken || stage == Stage::AwaitEntry);
    skipBut->setEnabled(running && stage != Stage::Setting);
    reason->setEnabled(running && stage != Stage::Setting);
    abortBut->setEnabled(stage != Stage::Ended);
    nextBut->setEnabled(stage == Stage::Taken);
    if (stage == Stage::AwaitEntry)
        entry->setFocus();
}

void PointPanel::SetStatus(const QString &status) {
    statusLab->setText(status);
}

} // namespace vk220::runner
