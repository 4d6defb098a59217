#pragma once

#include "results/ResultStore.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace vk220::records {

// What the results window's list is narrowed by: serial, asset id and customer (each matched
// whole), the start date from and to (both days included; "any" leaves that end open) and the
// verdict (any, PASS or FAIL). Changed is emitted when a date or the verdict is changed, on Enter
// in a text, on "Find" and on "Clear", which empties every field.
class ResultsFilterBar final : public QWidget {
    Q_OBJECT
public:
    explicit ResultsFilterBar(QWidget *parent = nullptr);

    results::CalibrationFilter Filter() const;
    void Clear();

signals:
    void Changed();

private:
    QLineEdit *serialText;
    QLineEdit *assetText;
    QLineEdit *customerText;
    QDateEdit *fromDate;
    QDateEdit *toDate;
    QComboBox *verdictCombo;
};

// Names a control for tests and for assistive technology: `name` as its objectName and
// accessible description, `spoken` as its accessible name.
void NameControl(QWidget &control, const QString &name, const QString &spoken);

} // namespace vk220::records
