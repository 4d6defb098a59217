#include "procedures/PointReader.h"

#include "procedures/PanelCapability.h"
#include "procedures/PointFunctions.h"
#include "procedures/YamlFields.h"

#include <optional>

namespace vk220::procedures {

namespace {

// The point being read, with the names its messages give it.
class PointFields {
public:
    PointFields(const YAML::Node &node, int number)
        : what(QStringLiteral("point %1").arg(number)), fields(node, what) {}

    const YamlFields &Fields() const { return fields; }

    [[noreturn]] void Fail(const QString &key, const QString &text) const {
        throw ProblemAt(fields.At(key), what + QStringLiteral(": ") + text);
    }

    // The quantity under `key`, which must be in one of `units`.
    Quantity Read(const QString &key, const QStringList &units, const QString &kind) const {
        QString problem;
        const std::optional<Quantity> quantity = ReadQuantity(fields.Text(key), &problem);
        if (!quantity)
            Fail(key, problem);
        if (!units.contains(quantity->unit))
            Fail(key, QStringLiteral("the %1 of %2 point is in %3, not %4")
                          .arg(key, kind, units.join(QStringLiteral(" or ")), quantity->unit));
        return *quantity;
    }

    std::optional<Quantity> ReadOptional(const QString &key, const QStringList &units,
                                         const QString &kind) const {
        if (!fields.Has(key))
            return std::nullopt;
        return Read(key, units, kind);
    }

    const QString what;

private:
    YamlFields fields;
};

QString Article(const QString &name) {
    return (QStringLiteral("aeiou").contains(name.front()) ? QStringLiteral("an ")
                                                           : QStringLiteral("a ")) +
           name;
}

void ReadTolerance(const PointFields &p, const PointFunctionRule &rule, TestPoint &point) {
    QString problem;
    const std::optional<Tolerance> tolerance =
        Tolerance::Parse(p.Fields().Text(QStringLiteral("tolerance")), &problem);
    if (!tolerance)
        p.Fail(QStringLiteral("tolerance"), problem);
    point.tolerance = *tolerance;
    const QString kind = Article(rule.name);
    const QStringList unit{point.nominal.unit};
    if (const ToleranceTerm *wrong = tolerance->AbsoluteNotIn(point.nominal.unit))
        p.Fail(QStringLiteral("tolerance"),
               QStringLiteral("the tolerance term \"%1\" is not in %2, the nominal's unit")
                   .arg(wrong->text, point.nominal.unit));
    point.range = p.ReadOptional(QStringLiteral("range"), unit, kind);
    point.resolution = p.ReadOptional(QStringLiteral("resolution"), unit, kind);
    if (tolerance->Has(ToleranceTerm::Kind::Range) && !point.range)
        p.Fail(QStringLiteral("tolerance"),
               QStringLiteral("a % of range needs the UUT's \"range\""));
    if (tolerance->Has(ToleranceTerm::Kind::Digits) && !point.resolution)
        p.Fail(QStringLiteral("tolerance"), QStringLiteral("digits need the UUT's \"resolution\""));
}

void ReadResult(const PointFields &p, const PointFunctionRule &rule, TestPoint &point) {
    const QString result = p.Fields().Text(QStringLiteral("result"));
    const QString expected = ResultModeText(rule.result);
    if (result.compare(expected, Qt::CaseInsensitive) != 0)
        p.Fail(QStringLiteral("result"),
               QStringLiteral("the result of %1 point is \"%2\", not \"%3\"")
                   .arg(Article(rule.name), expected, result));
    point.result = rule.result;
    if (rule.result == ResultMode::UutIndicates) {
        if (p.Fields().Has(QStringLiteral("readings")))
            p.Fail(QStringLiteral("readings"),
                   QStringLiteral("\"readings\" belongs to points the panel measures"));
        return;
    }
    bool number = false;
    point.readings = p.Fields().Text(QStringLiteral("readings")).toInt(&number);
    if (!number || point.readings < 2 || point.readings > 1000)
        p.Fail(QStringLiteral("readings"),
               QStringLiteral("\"readings\" must be a whole number from 2 to 1000"));
}

void ReadOwnKeys(const PointFields &p, TestPoint &point) {
    if (point.function == PointFunction::Thermocouple) {
        point.setting = ThermocoupleTypeIndex(p.Fields().Text(QStringLiteral("type")));
        if (point.setting < 0)
            p.Fail(QStringLiteral("type"),
                   QStringLiteral("the panel simulates thermocouple types %1 only")
                       .arg(ThermocoupleTypeLetters()));
        const QString junction = p.Fields().Text(QStringLiteral("cold junction")).toLower();
        if (junction != u"manual" && junction != u"auto")
            p.Fail(QStringLiteral("cold junction"),
                   QStringLiteral("the cold junction is \"manual\" (0 °C) or \"auto\""));
        point.autoColdJunction = junction == u"auto";
    } else if (point.function == PointFunction::Terminal) {
        point.terminals = TerminalsNamed(p.Fields().Text(QStringLiteral("terminals")));
        if (point.terminals == terminal::OutputPoint::None)
            p.Fail(QStringLiteral("terminals"),
                   QStringLiteral("the terminals are one of %1").arg(TerminalsNames()));
        const QString frequency = p.Fields().OptionalText(QStringLiteral("frequency"));
        if (!frequency.isEmpty() && frequency.compare(u"DC", Qt::CaseInsensitive) != 0)
            point.frequency = p.Read(QStringLiteral("frequency"), {QStringLiteral("Hz")},
                                     QStringLiteral("a terminal"))
                                  .value;
    }
}

} // namespace

TestPoint ReadTestPoint(const YAML::Node &node, int number) {
    const PointFields p(node, number);
    TestPoint point;
    point.line = node.Mark().line + 1;
    const QString name = p.Fields().Text(QStringLiteral("function"));
    const PointFunctionRule *rule = FindPointFunction(name);
    if (!rule)
        p.Fail(
            QStringLiteral("function"),
            QStringLiteral("unknown function \"%1\" (known: %2)").arg(name, PointFunctionNames()));
    point.function = rule->function;
    p.Fields().Allow(CommonPointKeys() + rule->keys);
    point.nominal = p.Read(QStringLiteral("nominal"), rule->units, Article(rule->name));
    ReadTolerance(p, *rule, point);
    ReadResult(p, *rule, point);
    point.connection = p.Fields().Text(QStringLiteral("connect"));
    const Quantity settle =
        p.Read(QStringLiteral("settle"), {QStringLiteral("s")}, Article(rule->name));
    if (settle.value < 0)
        p.Fail(QStringLiteral("settle"), QStringLiteral("the settling time is negative"));
    point.settleSeconds = settle.value;
    ReadOwnKeys(p, point);
    if (const std::optional<PanelRefusal> refusal = CheckOnPanel(point))
        p.Fail(refusal->key, refusal->text);
    return point;
}

} // namespace vk220::procedures
