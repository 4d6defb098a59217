#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace vk220::procedures {

// One term of a tolerance as instrument makers write it; a tolerance is the sum of its terms.
struct ToleranceTerm {
    enum class Kind {
        Reading,  // ± percent of reading ("0.5 % of reading", "0.5 % rdg", "0.5 %")
        Range,    // ± percent of range or full scale ("0.1 % of range", "2 % FS")
        Absolute, // ± a value in the nominal's unit ("0.02 V", "5 mΩ")
        Digits,   // ± digits of the UUT's display resolution ("3 digits", "2 dgt")
    };
    Kind kind = Kind::Reading;
    double amount = 0.0; // the percentage, the value in its base unit, or the digits
    QString unit;        // the base unit of an absolute term, otherwise empty
    QString text;        // as written
};

// The limits a result must lie within, both inclusive.
struct ToleranceLimits {
    double low = 0.0;
    double high = 0.0;
};

// A tolerance: "±(0.5 % of reading + 0.1 % of range + 2 digits)", or any one of its terms, with
// or without "±" (or "+/-") and the brackets. Terms are separated by "+".
class Tolerance {
public:
    // Reads `text`; nothing, with the reason in `problem`, when a term is not understood.
    static std::optional<Tolerance> Parse(const QString &text, QString *problem);

    const QList<ToleranceTerm> &Terms() const { return terms; }
    bool Has(ToleranceTerm::Kind kind) const;
    // The first absolute term whose unit is not `unit`; null when there is none.
    const ToleranceTerm *AbsoluteNotIn(const QString &unit) const;

    // The half width of the band about `nominal`: the sum of the terms, the percentages of the
    // nominal's magnitude and of `range`, the digits times `resolution`.
    double HalfWidth(double nominal, double range, double resolution) const;
    ToleranceLimits Limits(double nominal, double range, double resolution) const;

private:
    QList<ToleranceTerm> terms;
};

} // namespace vk220::procedures
