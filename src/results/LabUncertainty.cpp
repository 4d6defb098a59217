#include "results/LabUncertainty.h"

#include "procedures/PointFunctions.h"

#include <cmath>

namespace vk220::results {

namespace {

const QString Prefix = QStringLiteral("uncertainty ");
const QString UpTo = QStringLiteral(" up to ");

} // namespace

std::optional<LabUncertainty> ReadLabUncertainty(const QString &key, const QString &value,
                                                 QString *problem) {
    const QString rest = key.mid(Prefix.size());
    const qsizetype bound = rest.indexOf(UpTo);
    const QString name = (bound < 0 ? rest : rest.left(bound)).trimmed();
    const procedures::PointFunctionRule *rule = procedures::FindPointFunction(name);
    if (!rule) {
        *problem = QStringLiteral("\"%1\" is no function (%2)")
                       .arg(name, procedures::PointFunctionNames());
        return std::nullopt;
    }
    LabUncertainty uncertainty;
    uncertainty.function = rule->function;
    if (bound >= 0) {
        uncertainty.upTo =
            procedures::ReadQuantity(rest.mid(bound + UpTo.size()).trimmed(), problem);
        if (!uncertainty.upTo)
            return std::nullopt;
    }
    const std::optional<procedures::Tolerance> tolerance =
        procedures::Tolerance::Parse(value, problem);
    if (!tolerance)
        return std::nullopt;
    uncertainty.value = *tolerance;
    return uncertainty;
}

double UncertaintyOf(const QList<LabUncertainty> &uncertainties,
                     const procedures::TestPoint &point) {
    const LabUncertainty *chosen = nullptr;
    const double magnitude = std::fabs(point.nominal.value);
    for (const LabUncertainty &entry : uncertainties) {
        if (entry.function != point.function)
            continue;
        if (entry.upTo && (entry.upTo->unit != point.nominal.unit || entry.upTo->value < magnitude))
            continue;
        const bool narrower =
            !chosen || (entry.upTo && (!chosen->upTo || entry.upTo->value < chosen->upTo->value));
        if (narrower)
            chosen = &entry;
    }
    if (!chosen)
        return 0.0;
    return chosen->value.HalfWidth(point.nominal.value, point.range ? point.range->value : 0.0,
                                   point.resolution ? point.resolution->value : 0.0);
}

} // namespace vk220::results
