#include "runner/RunSetupPage.h"

#include "procedures/ProcedureReader.h"
#include "ui/Controls.h"
#include "ui/logic/MessageBoxes.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vk220::runner {

namespace {

QDoubleSpinBox *Spin(const QString &name, double low, double high, double value,
                     const QString &suffix) {
    auto *box = new QDoubleSpinBox;
    ui::Controls::Name(*box, name);
    box->setRange(low, high);
    box->setDecimals(1);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setAccessibleName(name);
    return box;
}

} // namespace

RunSetupPage::RunSetupPage(ui::MessageBoxes &boxes)
    : boxes(boxes), fileText(Field(QStringLiteral("ProcedureFile"), QStringLiteral("Procedure"))),
      procedureLab(new QLabel), makeText(Field(QStringLiteral("UutMake"), QStringLiteral("Make"))),
      modelText(Field(QStringLiteral("UutModel"), QStringLiteral("Model"))),
      serialText(Field(QStringLiteral("UutSerial"), QStringLiteral("Serial number"))),
      assetText(Field(QStringLiteral("UutAsset"), QStringLiteral("Asset id"))),
      customerText(Field(QStringLiteral("Customer"), QStringLiteral("Customer"))),
      operatorText(Field(QStringLiteral("Operator"), QStringLiteral("Operator"))),
      temperatureBox(Spin(QStringLiteral("Temperature"), -10, 50, 23, QStringLiteral(" °C"))),
      humidityBox(Spin(QStringLiteral("Humidity"), 0, 100, 45, QStringLiteral(" %"))),
      startBut(new QPushButton(QStringLiteral("Start as found"))) {
    ui::Controls::Name(*procedureLab, QStringLiteral("ProcedureLab"));
    procedureLab->setWordWrap(true);
    ui::Controls::Name(*startBut, QStringLiteral("StartRun"));
    startBut->setAccessibleName(QStringLiteral("Start"));
    auto *browseBut = new QPushButton(QStringLiteral("Browse..."));
    ui::Controls::Name(*browseBut, QStringLiteral("BrowseProcedure"));
    connect(browseBut, &QPushButton::clicked, this, &RunSetupPage::BrowseAsked);
    connect(fileText, &QLineEdit::returnPressed, this, [this] { LoadProcedure(fileText->text()); });

    auto *file = new QHBoxLayout;
    file->addWidget(fileText, 1);
    file->addWidget(browseBut);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Procedure file"), file);
    form->addRow(QString(), procedureLab);
    form->addRow(QStringLiteral("UUT make"), makeText);
    form->addRow(QStringLiteral("Model"), modelText);
    form->addRow(QStringLiteral("Serial number"), serialText);
    form->addRow(QStringLiteral("Asset id"), assetText);
    form->addRow(QStringLiteral("Customer"), customerText);
    form->addRow(QStringLiteral("Operator"), operatorText);
    form->addRow(QStringLiteral("Temperature"), temperatureBox);
    form->addRow(QStringLiteral("Humidity"), humidityBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(startBut, 0, Qt::AlignRight);
}

QLineEdit *RunSetupPage::Field(const QString &name, const QString &accessible) {
    auto *edit = new QLineEdit;
    ui::Controls::Name(*edit, name);
    edit->setAccessibleName(accessible);
    return edit;
}

bool RunSetupPage::LoadProcedure(const QString &path) {
    fileText->setText(path);
    procedures::ProcedureLoad load = procedures::LoadProcedure(path);
    procedure = std::move(load.procedure);
    if (!procedure) {
        procedureLab->clear();
        boxes.Warn(ProcedureTitle, load.problem);
        return false;
    }
    const procedures::ProcedureHeader &header = procedure->header;
    procedureLab->setText(QStringLiteral("%1 rev. %2: %3 (%4 points)\nFor %5 %6")
                              .arg(header.id, header.revision, header.title)
                              .arg(procedure->points.size())
                              .arg(header.make, header.models.join(QStringLiteral(", "))));
    if (makeText->text().isEmpty())
        makeText->setText(header.make);
    if (modelText->text().isEmpty() && header.models.size() == 1)
        modelText->setText(header.models.constFirst());
    return true;
}

std::optional<results::CalibrationRun> RunSetupPage::Run() const {
    if (!procedure) {
        boxes.Warn(ProcedureTitle, QStringLiteral("Choose the procedure file first."));
        return std::nullopt;
    }
    if (serialText->text().trimmed().isEmpty() || operatorText->text().trimmed().isEmpty()) {
        boxes.Warn(MissingTitle, MissingText);
        return std::nullopt;
    }
    results::CalibrationRun run = results::RunOf(*procedure);
    run.uut = {makeText->text().trimmed(), modelText->text().trimmed(),
               serialText->text().trimmed(), assetText->text().trimmed(),
               customerText->text().trimmed()};
    run.operatorName = operatorText->text().trimmed();
    run.environment = {temperatureBox->value(), humidityBox->value()};
    return run;
}

} // namespace vk220::runner
