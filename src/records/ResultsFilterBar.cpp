#include "records/ResultsFilterBar.h"

#include "ui/Controls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vk220::records {

namespace {

// The date a date field shows as "any": no end to the range on that side.
const QDate AnyDate(2000, 1, 1);

QLineEdit *TextField(const QString &name, const QString &spoken, QWidget *parent) {
    auto *text = new QLineEdit(parent);
    NameControl(*text, name, spoken);
    text->setClearButtonEnabled(true);
    return text;
}

QDateEdit *DateField(const QString &name, const QString &spoken, QWidget *parent) {
    auto *date = new QDateEdit(parent);
    NameControl(*date, name, spoken);
    date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date->setMinimumDate(AnyDate);
    date->setSpecialValueText(QStringLiteral("any"));
    date->setCalendarPopup(true);
    date->setDate(AnyDate);
    return date;
}

QDate Chosen(const QDateEdit &date) {
    return date.date() == AnyDate ? QDate() : date.date();
}

} // namespace

void NameControl(QWidget &control, const QString &name, const QString &spoken) {
    ui::Controls::Name(control, name);
    control.setAccessibleName(spoken);
}

ResultsFilterBar::ResultsFilterBar(QWidget *parent)
    : QWidget(parent), serialText(TextField("SerialFilter", "Serial number", this)),
      assetText(TextField("AssetFilter", "Asset ID", this)),
      customerText(TextField("CustomerFilter", "Customer", this)),
      fromDate(DateField("FromDate", "Started from", this)),
      toDate(DateField("ToDate", "Started to", this)), verdictCombo(new QComboBox(this)) {
    NameControl(*verdictCombo, "VerdictFilter", "Verdict");
    verdictCombo->addItem(QStringLiteral("any"));
    verdictCombo->addItem(results::VerdictName(results::Verdict::Pass),
                          static_cast<int>(results::Verdict::Pass));
    verdictCombo->addItem(results::VerdictName(results::Verdict::Fail),
                          static_cast<int>(results::Verdict::Fail));
    auto *findBut = new QPushButton(QStringLiteral("&Find"), this);
    NameControl(*findBut, "FindRuns", "Find the calibrations");
    auto *clearBut = new QPushButton(QStringLiteral("C&lear"), this);
    NameControl(*clearBut, "ClearFilter", "Clear the filter");

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](int row, int column, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        layout->addWidget(label, row, column);
        layout->addWidget(field, row, column + 1);
    };
    add(0, 0, QStringLiteral("&Serial:"), serialText);
    add(0, 2, QStringLiteral("&Asset ID:"), assetText);
    add(0, 4, QStringLiteral("C&ustomer:"), customerText);
    add(1, 0, QStringLiteral("Started fro&m:"), fromDate);
    add(1, 2, QStringLiteral("&to:"), toDate);
    add(1, 4, QStringLiteral("&Verdict:"), verdictCombo);
    layout->addWidget(findBut, 0, 6);
    layout->addWidget(clearBut, 1, 6);
    layout->setColumnStretch(5, 1);

    for (QLineEdit *text : {serialText, assetText, customerText})
        connect(text, &QLineEdit::returnPressed, this, &ResultsFilterBar::Changed);
    for (QDateEdit *date : {fromDate, toDate})
        connect(date, &QDateEdit::dateChanged, this, &ResultsFilterBar::Changed);
    connect(verdictCombo, &QComboBox::currentIndexChanged, this, &ResultsFilterBar::Changed);
    connect(findBut, &QPushButton::clicked, this, &ResultsFilterBar::Changed);
    connect(clearBut, &QPushButton::clicked, this, &ResultsFilterBar::Clear);
}

results::CalibrationFilter ResultsFilterBar::Filter() const {
    results::CalibrationFilter filter;
    filter.serial = serialText->text().trimmed();
    filter.assetId = assetText->text().trimmed();
    filter.customer = customerText->text().trimmed();
    if (const QDate from = Chosen(*fromDate); from.isValid())
        filter.startedFrom = from.startOfDay();
    if (const QDate to = Chosen(*toDate); to.isValid())
        filter.startedBefore = to.addDays(1).startOfDay();
    if (const QVariant verdict = verdictCombo->currentData(); verdict.isValid())
        filter.verdict = static_cast<results::Verdict>(verdict.toInt());
    return filter;
}

void ResultsFilterBar::Clear() {
    {
        const QSignalBlocker blockFrom(fromDate);
        const QSignalBlocker blockTo(toDate);
        const QSignalBlocker blockVerdict(verdictCombo);
        for (QLineEdit *text : {serialText, assetText, customerText})
            text->clear();
        fromDate->setDate(AnyDate);
        toDate->setDate(AnyDate);
        verdictCombo->setCurrentIndex(0);
    }
    emit Changed();
}

} // namespace vk220::records
