#include "procedures/Tolerance.h"

#include "procedures/Quantity.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vk220::procedures {

namespace {

using Kind = ToleranceTerm::Kind;

const QStringList ReadingWords{QString(), QStringLiteral("of reading"), QStringLiteral("reading"),
                               QStringLiteral("of rdg"), QStringLiteral("rdg")};
const QStringList RangeWords{QStringLiteral("of range"),      QStringLiteral("range"),
                             QStringLiteral("of rng"),        QStringLiteral("rng"),
                             QStringLiteral("of full scale"), QStringLiteral("full scale"),
                             QStringLiteral("of fs"),         QStringLiteral("fs")};

// The sign and the brackets around the sum: "±(...)", "+/- ...".
QString WithoutSign(QString text) {
    text = text.trimmed();
    for (const QString &sign : {QStringLiteral("\u00B1"), QStringLiteral("+/-")}) {
        if (text.startsWith(sign)) {
            text = text.mid(sign.size()).trimmed();
            break;
        }
    }
    if (text.startsWith(u'(') && text.endsWith(u')'))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

std::optional<ToleranceTerm> ReadTerm(const QString &term, QString *problem) {
    static const QRegularExpression percent(
        QStringLiteral("^(\\d+[.,]?\\d*|[.,]\\d+)\\s*%\\s*(.*)$"));
    static const QRegularExpression digits(QStringLiteral("^(\\d+)\\s*(digits?|dgts?|d|counts?)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch percentMatch = percent.match(term);
    if (percentMatch.hasMatch()) {
        const double amount = percentMatch.captured(1).replace(u',', u'.').toDouble();
        const QString words = percentMatch.captured(2).simplified().toLower();
        if (ReadingWords.contains(words))
            return ToleranceTerm{Kind::Reading, amount, QString(), term};
        if (RangeWords.contains(words))
            return ToleranceTerm{Kind::Range, amount, QString(), term};
        *problem = QStringLiteral("the tolerance term \"%1\" is neither % of reading nor % of "
                                  "range")
                       .arg(term);
        return std::nullopt;
    }
    const QRegularExpressionMatch digitsMatch = digits.match(term);
    if (digitsMatch.hasMatch())
        return ToleranceTerm{Kind::Digits, digitsMatch.captured(1).toDouble(), QString(), term};
    QString quantityProblem;
    const std::optional<Quantity> absolute = ReadQuantity(term, &quantityProblem);
    if (!absolute || absolute->value < 0) {
        *problem = QStringLiteral("the tolerance term \"%1\" is not understood: write a % of "
                                  "reading, a % of range, digits or a value with its unit")
                       .arg(term);
        return std::nullopt;
    }
    return ToleranceTerm{Kind::Absolute, absolute->value, absolute->unit, term};
}

} // namespace

std::optional<Tolerance> Tolerance::Parse(const QString &text, QString *problem) {
    const QString sum = WithoutSign(text);
    if (sum.isEmpty()) {
        *problem = QStringLiteral("the tolerance is empty");
        return std::nullopt;
    }
    Tolerance tolerance;
    for (const QString &part : sum.split(u'+')) {
        const std::optional<ToleranceTerm> term = ReadTerm(part.trimmed(), problem);
        if (!term)
            return std::nullopt;
        tolerance.terms.append(*term);
    }
    return tolerance;
}

bool Tolerance::Has(ToleranceTerm::Kind kind) const {
    return std::any_of(terms.begin(), terms.end(),
                       [kind](const ToleranceTerm &term) { return term.kind == kind; });
}

const ToleranceTerm *Tolerance::AbsoluteNotIn(const QString &unit) const {
    for (const ToleranceTerm &term : terms) {
        if (term.kind == Kind::Absolute && term.unit != unit)
            return &term;
    }
    return nullptr;
}

double Tolerance::HalfWidth(double nominal, double range, double resolution) const {
    double width = 0.0;
    for (const ToleranceTerm &term : terms) {
        switch (term.kind) {
        case Kind::Reading:
            width += std::fabs(nominal) * term.amount / 100.0;
            break;
        case Kind::Range:
            width += std::fabs(range) * term.amount / 100.0;
            break;
        case Kind::Absolute:
            width += term.amount;
            break;
        case Kind::Digits:
            width += term.amount * std::fabs(resolution);
            break;
        }
    }
    return width;
}

ToleranceLimits Tolerance::Limits(double nominal, double range, double resolution) const {
    const double width = HalfWidth(nominal, range, resolution);
    return {nominal - width, nominal + width};
}

} // namespace vk220::procedures
