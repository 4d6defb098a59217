#include "results/LabSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>
#include <utility>

namespace vk220::results {

namespace {

const std::array<std::pair<const char *, QString LabSettings::*>, 11> Keys{{
    {"name", &LabSettings::name},
    {"address", &LabSettings::address},
    {"accreditation", &LabSettings::accreditation},
    {"logo", &LabSettings::logo},
    {"certificate prefix", &LabSettings::prefix},
    {"traceability", &LabSettings::traceability},
    {"decision rule", &LabSettings::decisionRule},
    {"calibrated by", &LabSettings::calibratedBy},
    {"approved by", &LabSettings::approvedBy},
    {"results", &LabSettings::results},
    {"bench", &LabSettings::bench},
}};

enum class Special { No, Read, Refused };

// The keys whose value is no text: "guard band" (yes or no) and "uncertainty ...".
Special ReadSpecial(const QString &key, const QString &value, LabSettings *settings,
                    QString *problem) {
    if (key == u"guard band") {
        if (value != u"yes" && value != u"no") {
            *problem = QStringLiteral("guard band is \"yes\" or \"no\"");
            return Special::Refused;
        }
        settings->guardBand = value == u"yes";
        return Special::Read;
    }
    if (!key.startsWith(QStringLiteral("uncertainty ")))
        return Special::No;
    const std::optional<LabUncertainty> uncertainty = ReadLabUncertainty(key, value, problem);
    if (!uncertainty)
        return Special::Refused;
    settings->uncertainties.append(*uncertainty);
    return Special::Read;
}

} // namespace

QString DefaultLabSettingsPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("lab.conf"));
}

bool ReadLabSettings(const QString &path, LabSettings *settings, QString *problem) {
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    int number = 0;
    bool ownRule = false;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        const Special special =
            equals < 0 ? Special::No : ReadSpecial(key, value, settings, problem);
        if (special == Special::Refused) {
            *problem = QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(*problem);
            return false;
        }
        if (special == Special::Read)
            continue;
        ownRule = ownRule || key == u"decision rule";
        QString LabSettings::*field = nullptr;
        for (const auto &[name, member] : Keys)
            if (key == QLatin1String(name))
                field = member;
        if (equals < 0 || field == nullptr) {
            *problem =
                equals < 0
                    ? QStringLiteral("%1:%2: not \"key = value\"").arg(path).arg(number)
                    : QStringLiteral("%1:%2: unknown key \"%3\"").arg(path).arg(number).arg(key);
            return false;
        }
        settings->*field = QString(value).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    }
    if (settings->guardBand && !ownRule)
        settings->decisionRule = GuardBandRule;
    if (!settings->logo.isEmpty())
        settings->logo = QFileInfo(path).dir().absoluteFilePath(settings->logo);
    return true;
}

} // namespace vk220::results
