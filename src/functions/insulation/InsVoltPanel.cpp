#include "functions/insulation/InsVoltPanel.h"

#include "functions/insulation/InsFunction.h"
#include "functions/insulation/ResistanceDigits.h"
#include "functions/insulation/VoltageRanges.h"
#include "link/Reading.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"
#include "ui/logic/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace vk220::insulation {

namespace {

QStringList Captions() {
    QStringList captions;
    for (const VoltageRanges::Range &range : VoltageRanges::Table())
        captions.append(range.caption);
    return captions;
}

} // namespace

InsVoltPanel::InsVoltPanel(ui::PollingFunctionWindow &window, ui::MessageBoxes &boxes)
    : QFrame(&window), window(window), boxes(boxes),
      insVBut(new ui::ButtonArray(QStringLiteral("InsVBut"), Captions(), this)),
      insVLab(new QLabel(VoltageRanges::InitialText, this)) {
    window.MakePoller(*insVLab,
                      {QStringLiteral("InsVTimer"), InsFunction().code,
                       QStringLiteral("INSULATION TEST VOLTAGE")},
                      this, [this](double counts) { ShowReading(counts); });
    ui::Controls::Name(*this, QStringLiteral("InsVoltPanel"));
    ui::Controls::Name(*insVLab, QStringLiteral("InsVLab"));
    setFrameShape(QFrame::StyledPanel);
    connect(insVBut, &ui::ButtonArray::Clicked, this, [this](int index) {
        this->window.Act([this, index] { SelectRange(index); }, insVBut->objectName());
    });

    auto *heading = new QLabel(QStringLiteral("INSULATION TEST VOLTAGE"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QFont readingFont = insVLab->font();
    readingFont.setPointSize(ui::FontSizes::LargeReading);
    readingFont.setBold(true);
    insVLab->setFont(readingFont);
    insVLab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    insVLab->setFrameShape(QFrame::Panel);
    insVLab->setFrameShadow(QFrame::Sunken);

    auto *ranges = new QHBoxLayout;
    for (QPushButton *button : insVBut->All())
        ranges->addWidget(button);
    auto *reading = new QHBoxLayout;
    reading->addWidget(insVLab, 1);
    reading->addWidget(&window.Polls().Marks());
    auto *column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addLayout(ranges);
    column->addStretch();
    column->addLayout(reading);
    column->addStretch();
    column->addWidget(&window.Polls().Readings(), 0, Qt::AlignRight);
}

void InsVoltPanel::SelectRange(int index) {
    if (VoltageRanges::GuardRefuses(insVLab->text())) {
        boxes.Inform(QStringLiteral("Voltage On Input"),
                     QStringLiteral("WARNING >50V Detected On Input\r\rPlease remove voltage from "
                                    "outputs before changing range"));
        return;
    }
    window.Polls().Stop();
    insVBut->Select(index);
    for (const QString &line : VoltageRanges::SelectCommands(index))
        window.Send(line);
    window.Polls().Start();
}

void InsVoltPanel::StopPolling() {
    window.Polls().Stop();
}

void InsVoltPanel::ShowReading(double counts) {
    const int index = insVBut->Selected();
    const auto text = VoltageRanges::DisplayFor(counts, index);
    if (!text)
        return;
    insVLab->setText(*text);
    ui::ReadingHistory::Shown shown{*text, QString(), QStringLiteral("V"), 0, true};
    if (index >= 0) {
        const VoltageRanges::Range &range = VoltageRanges::Table().at(static_cast<size_t>(index));
        shown = {*text, range.caption, shown.unit, range.decimals,
                 link::Reading::IsOverRange(counts)};
    }
    window.Polls().Record(shown);
}

} // namespace vk220::insulation
