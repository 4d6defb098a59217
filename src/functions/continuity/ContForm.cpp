#include "functions/continuity/ContForm.h"

#include "functions/continuity/ContCurrent.h"
#include "functions/continuity/ContFunction.h"
#include "functions/continuity/ContResistances.h"

#include "link/Reading.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace vk220::continuity {

namespace {

constexpr int WidthTwips = 9600;
constexpr int HeightTwips = 5700;

QStringList Captions() {
    QStringList captions;
    for (const ContResistance &resistance : ContResistances::Table())
        captions.append(resistance.caption);
    return captions;
}

QFrame *Line(const QString &name, QWidget *parent) {
    auto *line = new QFrame(parent);
    ui::Controls::Name(*line, name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ContForm::ContForm(ui::FunctionContext &context)
    : ui::PollingFunctionWindow(context, Title, WidthTwips, HeightTwips),
      contBut(new ui::ButtonArray(QStringLiteral("ContBut"), Captions(), this)),
      contLab(ui::Controls::BoldLabel(QString(), ui::FontSizes::Reading, QStringLiteral("ContLab"),
                                      this)),
      contCurLab(ui::Controls::BoldLabel(QStringLiteral("0.0mA"), ui::FontSizes::Reading,
                                         QStringLiteral("ContCurLab"), this)),
      contCurLab2(ui::Controls::BoldLabel(QStringLiteral("CONTINUITY CURRENT @ 1 Ohm"),
                                          ui::FontSizes::Caption, QStringLiteral("ContCurLab2"),
                                          this)),
      curLine1(Line(QStringLiteral("CurLine1"), this)),
      curLine2(Line(QStringLiteral("CurLine2"), this)) {
    MakePoller(*contCurLab, {QStringLiteral("ContTimer"), ContFunction().code, Title}, this,
               [this](double counts) { ShowReading(counts); });
    BuildLayout();
    connect(contBut, &ui::ButtonArray::Clicked, this, [this](int index) {
        Act([this, index] { SelectResistance(index); }, contBut->objectName());
    });
}

void ContForm::BuildLayout() {
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QHBoxLayout;
    heading->addWidget(ui::Controls::BoldLabel(QStringLiteral("FUNCTION"), ui::FontSizes::Caption,
                                               QStringLiteral("FunctionLab"), this));
    heading->addStretch(1);
    heading->addWidget(ui::Controls::BoldLabel(QStringLiteral("CONTINUITY"), ui::FontSizes::Title,
                                               QStringLiteral("ContinuityLab"), this));
    layout->addLayout(heading);
    layout->addWidget(ui::Controls::BoldLabel(QStringLiteral("CONTINUITY RESISTANCE"),
                                              ui::FontSizes::Caption, QStringLiteral("ContResLab"),
                                              this));
    layout->addWidget(contLab);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : contBut->All())
        buttons->addWidget(button);
    layout->addLayout(buttons);
    layout->addWidget(curLine1);
    layout->addWidget(contCurLab2);
    auto *current = new QHBoxLayout;
    current->addStretch(1);
    current->addWidget(contCurLab);
    current->addWidget(&Polls().Marks());
    current->addStretch(1);
    layout->addLayout(current);
    layout->addWidget(curLine2);
    layout->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(&Polls().Readings());
    bottom->addStretch(1);
    bottom->addWidget(&CloseButton());
    layout->addLayout(bottom);
}

void ContForm::OnLoad() {
    SelectResistance(ContResistances::CurrentIndex);
}

void ContForm::SetCurrentDisplayVisible(bool visible) {
    const std::initializer_list<QWidget *> display{curLine1, curLine2, contCurLab, contCurLab2,
                                                   &Polls().Marks()};
    for (QWidget *widget : display)
        widget->setVisible(visible);
}

void ContForm::SelectResistance(int index) {
    const bool measuresCurrent = index == ContResistances::CurrentIndex;
    SetCurrentDisplayVisible(false);
    Polls().SampleLab().hide();
    Polls().Stop();
    contBut->Select(index);
    contLab->setText(ContResistances::Table().at(static_cast<size_t>(index)).display);
    if (measuresCurrent)
        SetCurrentDisplayVisible(true);
    Sender().SendMask(ContResistances::SelectCommand(index));
    if (measuresCurrent)
        Polls().Start();
}

void ContForm::ShowReading(double counts) {
    contCurLab->setText(ContCurrent::Text(counts));
    const ContResistance &setting = ContResistances::Table().at(ContResistances::CurrentIndex);
    Polls().Record({contCurLab->text(), setting.caption, QStringLiteral("mA"),
                    ContCurrent::Decimals, link::Reading::IsOverRange(counts)});
}

} // namespace vk220::continuity
