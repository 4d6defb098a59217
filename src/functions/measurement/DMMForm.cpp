#include "functions/measurement/DMMForm.h"

#include "functions/measurement/DMMFunction.h"
#include "functions/measurement/DMMRanges.h"
#include "functions/measurement/DMMReading.h"

#include "link/Reading.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vk220::measurement {

namespace {

constexpr int WidthTwips = 9600;
constexpr int HeightTwips = 5700;

QStringList Captions() {
    QStringList captions;
    for (const DMMRange &range : DMMRanges::Table())
        captions.append(range.caption);
    return captions;
}

} // namespace

DMMForm::DMMForm(ui::FunctionContext &context)
    : ui::PollingFunctionWindow(context, Title, WidthTwips, HeightTwips),
      dmmBut(new ui::ButtonArray(QStringLiteral("DMMBut"), Captions(), this)),
      nullBut(new QPushButton(QStringLiteral("NULL"), this)),
      nullLab(ui::Controls::BoldLabel(QStringLiteral("NULL ON"), ui::FontSizes::Flag,
                                      QStringLiteral("NullLab"), this)),
      readLab(ui::Controls::BoldLabel(QStringLiteral("0.0000V"), ui::FontSizes::MeterReading,
                                      QStringLiteral("ReadLab"), this)),
      dispInfoLab(ui::Controls::BoldLabel(QStringLiteral("VOLTAGE MEASUREMENT"),
                                          ui::FontSizes::Caption, QStringLiteral("DispInfoLab"),
                                          this)) {
    MakePoller(*readLab, {QStringLiteral("ReadTimer"), DMMFunction().code, Title}, this,
               [this](double raw) { ShowReading(raw); });
    ui::Controls::Name(*nullBut, QStringLiteral("NULLBut"));
    nullLab->hide();
    BuildLayout();
    connect(dmmBut, &ui::ButtonArray::Clicked, this, [this](int index) {
        Act([this, index] { SelectRange(index); }, dmmBut->objectName());
    });
    connect(nullBut, &QPushButton::clicked, this, [this] { Act([this] { ToggleNull(); }); });
}

void DMMForm::BuildLayout() {
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QHBoxLayout;
    heading->addWidget(ui::Controls::BoldLabel(QStringLiteral("FUNCTION"), ui::FontSizes::Caption,
                                               QStringLiteral("FunctionLab"), this));
    heading->addStretch(1);
    heading->addWidget(ui::Controls::BoldLabel(QStringLiteral("MEASUREMENT"), ui::FontSizes::Title,
                                               QStringLiteral("MeasurementLab"), this));
    layout->addLayout(heading);
    layout->addWidget(dispInfoLab);
    auto *reading = new QHBoxLayout;
    reading->addWidget(nullLab, 0, Qt::AlignTop);
    reading->addStretch(1);
    reading->addWidget(readLab);
    reading->addWidget(&Polls().Marks());
    reading->addStretch(1);
    layout->addLayout(reading);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : dmmBut->All())
        buttons->addWidget(button);
    layout->addLayout(buttons);
    layout->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(nullBut);
    bottom->addStretch(1);
    bottom->addWidget(&Polls().Readings());
    bottom->addStretch(1);
    bottom->addWidget(&CloseButton());
    layout->addLayout(bottom);
}

void DMMForm::OnLoad() {
    SelectRange(DMMRanges::OpeningIndex);
}

void DMMForm::SelectRange(int index) {
    // Stopped for the whole change, so that no reading comes between the switching lines and
    // the new range's display text.
    Polls().Stop();
    if (NullOn())
        ToggleNull();
    dmmBut->Select(index);
    const DMMRange &range = DMMRanges::Table().at(static_cast<size_t>(index));
    Sender().SendMask(range.maskCommand);
    Send(range.displayCommand);
    dispInfoLab->setText(range.information);
    Polls().Start();
}

bool DMMForm::NullOn() const {
    return ui::Controls::HasBackColour(*nullBut, ui::Controls::NullColour);
}

void DMMForm::ToggleNull() {
    const bool on = !NullOn();
    ui::Controls::SetBackColour(*nullBut, on ? ui::Controls::NullColour : QColor());
    nullLab->setVisible(on);
}

void DMMForm::ShowReading(double raw) {
    const double heldOffset = nullOffset;
    nullOffset = DMMReading::UpdatedOffset(NullOn(), nullOffset, raw);
    const int index = dmmBut->Selected();
    if (index < 0)
        return;
    const DMMRange &range = DMMRanges::Table().at(static_cast<size_t>(index));
    if (heldOffset == 0.0 && nullOffset != 0.0)
        Polls().Readings().RecordNullOffset({DMMReading::Text(nullOffset, 0.0, range),
                                             range.caption, range.unit, range.decimals,
                                             link::Reading::IsOverRange(nullOffset)});
    readLab->setText(DMMReading::Text(raw, nullOffset, range));
    Polls().Record({readLab->text(), range.caption, range.unit, range.decimals,
                    link::Reading::IsOverRange(raw), nullOffset != 0.0});
}

} // namespace vk220::measurement
