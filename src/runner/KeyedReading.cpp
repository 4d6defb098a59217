#include "runner/KeyedReading.h"

#include <QRegularExpression>

namespace vk220::runner::KeyedReading {

namespace {

const QRegularExpression
    LeadingNumber(QStringLiteral(R"(^\s*[-+]?(\d+([.,]\d*)?|[.,]\d+)([eE][-+]?\d+)?\s*)"));

} // namespace

std::optional<double> Read(const QString &text, const procedures::Quantity &nominal,
                           QString *refusal) {
    const QRegularExpressionMatch number = LeadingNumber.match(text);
    const QString example = nominal.text;
    *refusal = QStringLiteral("Enter the reading the UUT shows as a number, in the unit of the "
                              "nominal value (%1) or with its own unit.")
                   .arg(example);
    if (!number.hasMatch())
        return std::nullopt;
    QString written = text.trimmed();
    if (number.capturedLength() == text.size())
        written += nominal.text.mid(LeadingNumber.match(nominal.text).capturedLength());
    QString problem;
    const std::optional<procedures::Quantity> reading = procedures::ReadQuantity(written, &problem);
    if (!reading)
        return std::nullopt;
    if (reading->unit != nominal.unit) {
        *refusal = QStringLiteral("The reading is in %1, the point in %2.")
                       .arg(reading->unit, nominal.unit);
        return std::nullopt;
    }
    refusal->clear();
    return reading->value;
}

} // namespace vk220::runner::KeyedReading
