#include "link/CalibratorModel.h"

#include <QStringList>

namespace vk220::link {

CalibratorModel::Effect CalibratorModel::Judge(const QString &line) const {
    CalibratorModel after = *this;
    Effect effect;
    after.Run(line, &effect);
    return effect;
}

void CalibratorModel::Apply(const QString &line) {
    Run(line, nullptr);
}

void CalibratorModel::Run(const QString &line, Effect *effect) {
    for (const QString &element : line.split(QLatin1Char('/'))) {
        const QString command = element.trimmed();
        // The display text runs to the end of the line, "/" and all.
        if (command.startsWith(QLatin1Char('#')))
            return;
        if (!command.isEmpty())
            Step(command.at(0), command.mid(1).trimmed(), effect);
    }
}

bool CalibratorModel::LiveOutputPossible() const {
    return output != Output::Standby && (LiveRange(range) || range < 0);
}

void CalibratorModel::Step(QChar letter, const QString &argument, Effect *effect) {
    bool ok = false;
    switch (letter.unicode()) {
    case 'p': {
        const qint64 sent = argument.toLongLong(&ok);
        if (!ok)
            return;
        if (effect && LiveOutputPossible())
            effect->switchesUnderLiveOutput = true;
        if (sent != 0) {
            mask = sent;
            valueSet = false;
        }
        return;
    }
    case 'R': {
        const int sent = argument.toInt(&ok);
        if (ok) {
            range = sent;
            valueSet = false;
        }
        return;
    }
    case 'O':
        value = argument;
        valueSet = true;
        return;
    case 'F':
        frequency = argument;
        valueSet = true;
        return;
    case 'S':
        if (argument == QLatin1String("1")) {
            output = Output::Standby;
        } else if (argument == QLatin1String("0")) {
            if (effect) {
                effect->switchesOn = true;
                effect->switchesOnWithoutValue = LiveRange(range) && !valueSet;
            }
            output = Output::On;
        }
        return;
    default:
        return;
    }
}

} // namespace vk220::link
