#include "results/RunRecords.h"

#include <QCryptographicHash>
#include <QFile>

#include <array>
#include <cmath>
#include <utility>

namespace vk220::results {

namespace {

template <typename T, size_t N>
std::optional<T> Named(const std::array<std::pair<T, const char *>, N> &names,
                       const QString &name) {
    for (const auto &[value, text] : names)
        if (name == QLatin1String(text))
            return value;
    return std::nullopt;
}

template <typename T, size_t N>
QString NameOf(const std::array<std::pair<T, const char *>, N> &names, T value) {
    for (const auto &[each, text] : names)
        if (each == value)
            return QLatin1String(text);
    return {};
}

const std::array<std::pair<RunState, const char *>, 3> StateNames{{
    {RunState::Open, "open"},
    {RunState::Complete, "complete"},
    {RunState::Incomplete, "incomplete"},
}};
const std::array<std::pair<Verdict, const char *>, 3> VerdictNames{{
    {Verdict::Pass, "PASS"},
    {Verdict::Fail, "FAIL"},
    {Verdict::Skipped, "SKIPPED"},
}};
const std::array<std::pair<Phase, const char *>, 2> PhaseNames{{
    {Phase::AsFound, "as-found"},
    {Phase::AsLeft, "as-left"},
}};

PointResult Base(const procedures::TestPoint &point, int index, Phase phase,
                 const QDateTime &taken) {
    PointResult result;
    result.index = index;
    result.phase = phase;
    result.nominal = point.nominal.value;
    result.unit = point.nominal.unit;
    const procedures::ToleranceLimits limits = point.Limits();
    result.low = limits.low;
    result.high = limits.high;
    result.taken = taken;
    return result;
}

} // namespace

PointResult Judge(const procedures::TestPoint &point, int index, Phase phase, double reading,
                  const QDateTime &taken, double uncertainty) {
    PointResult result = Base(point, index, phase, taken);
    result.reading = reading;
    result.error = reading - result.nominal;
    result.uncertainty = uncertainty;
    result.verdict = reading >= result.low + uncertainty && reading <= result.high - uncertainty
                         ? Verdict::Pass
                         : Verdict::Fail;
    return result;
}

PointResult Skip(const procedures::TestPoint &point, int index, Phase phase, const QString &reason,
                 const QDateTime &taken) {
    PointResult result = Base(point, index, phase, taken);
    result.verdict = Verdict::Skipped;
    result.reason = reason;
    return result;
}

CalibrationRun RunOf(const procedures::Procedure &procedure) {
    CalibrationRun run;
    run.procedureId = procedure.header.id;
    run.procedureRevision = procedure.header.revision;
    run.procedureTitle = procedure.header.title;
    run.procedureHash = FileHash(procedure.file);
    run.uut.make = procedure.header.make;
    return run;
}

QString FileHash(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

QString StateName(RunState state) {
    return NameOf(StateNames, state);
}

QString VerdictName(Verdict verdict) {
    return NameOf(VerdictNames, verdict);
}

QString PhaseName(Phase phase) {
    return NameOf(PhaseNames, phase);
}

std::optional<RunState> StateNamed(const QString &name) {
    return Named(StateNames, name);
}

std::optional<Verdict> VerdictNamed(const QString &name) {
    return Named(VerdictNames, name);
}

std::optional<Phase> PhaseNamed(const QString &name) {
    return Named(PhaseNames, name);
}

QString ValueText(double value, const QString &unit) {
    static const std::array<std::pair<int, const char *>, 9> Prefixes{{
        {12, "T"},
        {9, "G"},
        {6, "M"},
        {3, "k"},
        {0, ""},
        {-3, "m"},
        {-6, "µ"},
        {-9, "n"},
        {-12, "p"},
    }};
    // The unit's own scale for values kept as they are read: speeds and temperatures.
    const bool plain = unit == QStringLiteral("RPM") || unit == QStringLiteral("°C");
    const double magnitude = std::fabs(value);
    for (const auto &[exponent, prefix] : Prefixes) {
        const double scale = std::pow(10.0, exponent);
        if (!plain && magnitude >= scale * (1.0 - 5e-7)) {
            const QString number = QString::number(value / scale, 'g', 6);
            return number + QLatin1Char(' ') + QString::fromUtf8(prefix) + unit;
        }
    }
    return QString::number(value, 'g', 6) + QLatin1Char(' ') + unit;
}

} // namespace vk220::results
