#include "sim/HazardReferee.h"

#include "sim/CommandLine.h"
#include "sim/OutputPoint.h"

#include <cmath>

namespace vk220::sim {

QString HazardReferee::Judge(const QByteArray &line) {
    const QList<QByteArray> commands = SplitCommands(line);
    QString reason = session.Judge(commands);
    for (const QByteArray &command : commands) {
        const QString objection = Apply(command);
        if (reason.isEmpty())
            reason = objection;
    }
    if (reason.isEmpty())
        return {};
    hazards.append(reason + QStringLiteral(": ") + QString::fromLatin1(line));
    return hazards.last();
}

QString HazardReferee::Apply(const QByteArray &command) {
    const QByteArray argument = command.mid(1);
    bool ok = false;
    switch (command.at(0)) {
    case 'p':
        return Switch(argument);
    case 'R': {
        const int number = argument.toInt(&ok);
        if (ok) {
            range = number;
            valueSet = false;
        }
        return {};
    }
    case 'O':
        return SetValue(argument);
    case 'F':
        argument.toDouble(&ok);
        valueSet = valueSet || ok;
        return {};
    case 'S':
        if (argument == "0")
            return SwitchOn();
        if (argument == "1")
            outputOn = false;
        return {};
    default:
        return {};
    }
}

QString HazardReferee::Switch(const QByteArray &argument) {
    const bool live = outputOn && HazardousRange();
    bool ok = false;
    const qint64 mask = argument.toLongLong(&ok);
    if (ok && mask > 0) {
        adapterMask = mask;
        valueSet = false;
    }
    return live ? QStringLiteral("switching under a live output") : QString();
}

QString HazardReferee::SetValue(const QByteArray &argument) {
    bool ok = false;
    const double value = argument.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {};
    output = value;
    valueSet = true;
    const std::optional<OutputRange> hazardous = HazardousRange();
    if (!hazardous)
        return {};
    if (!hazardous->Holds(value))
        return QStringLiteral("value beyond range R%1 (%2)").arg(range).arg(hazardous->Limit());
    return outputOn ? RoutingObjection(*hazardous) : QString();
}

QString HazardReferee::SwitchOn() {
    outputOn = true;
    const std::optional<OutputRange> hazardous = HazardousRange();
    if (!hazardous)
        return {};
    if (!valueSet)
        return QStringLiteral("output on with no value set");
    return RoutingObjection(*hazardous);
}

QString HazardReferee::RoutingObjection(const OutputRange &hazardous) const {
    return OutputPoint::FromMask(adapterMask).Objection(hazardous, output);
}

} // namespace vk220::sim
