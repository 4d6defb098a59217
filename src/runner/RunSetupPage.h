#pragma once

#include "procedures/Procedure.h"
#include "results/RunRecords.h"

#include <QWidget>

#include <optional>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vk220::ui {
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::runner {

// The first page of the runner: the procedure file, the UUT (make, model, serial, asset id,
// customer), the operator and the laboratory's temperature and humidity. A run starts as found.
class RunSetupPage : public QWidget {
    Q_OBJECT
public:
    static inline const QString ProcedureTitle = QStringLiteral("Procedure");
    static inline const QString MissingTitle = QStringLiteral("Calibration Details");
    static inline const QString MissingText =
        QStringLiteral("Enter the UUT's serial number and the operator's name.");

    explicit RunSetupPage(ui::MessageBoxes &boxes);

    // Reads and checks the procedure file at `path`; a fault is shown in one message naming the
    // file, line and column. Whether it was loaded.
    bool LoadProcedure(const QString &path);
    const std::optional<procedures::Procedure> &Procedure() const { return procedure; }

    // The run the page describes, once a procedure is loaded and the serial number and the
    // operator are entered; otherwise nothing, the missing entry shown.
    std::optional<results::CalibrationRun> Run() const;

    QPushButton &StartButton() const { return *startBut; }

signals:
    void BrowseAsked();

private:
    QLineEdit *Field(const QString &name, const QString &accessible);

    ui::MessageBoxes &boxes;
    std::optional<procedures::Procedure> procedure;
    QLineEdit *fileText;
    QLabel *procedureLab;
    QLineEdit *makeText;
    QLineEdit *modelText;
    QLineEdit *serialText;
    QLineEdit *assetText;
    QLineEdit *customerText;
    QLineEdit *operatorText;
    QDoubleSpinBox *temperatureBox;
    QDoubleSpinBox *humidityBox;
    QPushButton *startBut;
};

} // namespace vk220::runner
