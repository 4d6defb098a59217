#include "sim/CalibratorSimulation.h"

#include "sim/CommandLine.h"

#include <cmath>

namespace vk220::sim {

namespace {

// A malformed number leaves the setting as it was instead of zeroing it.
template <typename Value, typename Convert>
void Assign(Value &target, const QByteArray &text, Convert convert) {
    bool ok = false;
    const Value value = convert(text, &ok);
    if (ok)
        target = value;
}

int ToInt(const QByteArray &text, bool *ok) {
    return text.toInt(ok);
}

qint64 ToLong(const QByteArray &text, bool *ok) {
    return text.toLongLong(ok);
}

// Infinities and NaN would make every later reading meaningless.
double ToFiniteDouble(const QByteArray &text, bool *ok) {
    const double value = text.toDouble(ok);
    *ok = *ok && std::isfinite(value);
    return value;
}

} // namespace

CalibratorSimulation::CalibratorSimulation(const SimulationFaults &faults, quint32 seed)
    : faults(faults), measurement(seed), garbageSource(seed + 1) {}

QByteArray CalibratorSimulation::Reply(const QByteArray &commandLine) {
    QByteArray reply;
    for (const QByteArray &command : SplitCommands(commandLine))
        reply += Execute(command);
    if (faults.silent) {
        return {};
    }
    if (faults.garbage)
        return Garbage();
    reply += Marker;
    if (faults.extraAfterMarker)
        reply += ExtraAfterMarker;
    return reply;
}

QByteArray CalibratorSimulation::Execute(const QByteArray &command) {
    const char letter = command.at(0);
    const QByteArray argument = command.mid(1);
    switch (letter) {
    case '#':
        state.displayText = argument;
        break;
    case 'T':
        return QByteArray(faults.shortIdentification ? ShortIdentification : Identification) +
               "\r\n";
    case 'v': {
        const qint64 counts = measurement.ReadCounts(state);
        ++state.readingsSinceMask;
        return QByteArray::number(counts);
    }
    case 'p': {
        qint64 mask = -1;
        Assign(mask, argument, ToLong);
        if (mask < 0)
            break;
        state.lastMaskCommand = mask;
        if (mask != 0) {
            state.adapterMask = mask;
            state.readingsSinceMask = 0;
        }
        break;
    }
    case 'R':
        Assign(state.range, argument, ToInt);
        break;
    case 'O':
        Assign(state.output, argument, ToFiniteDouble);
        break;
    case 'S':
        if (argument == "0" || argument == "1")
            state.outputOn = argument == "0";
        break;
    case 'F':
        Assign(state.frequency, argument, ToFiniteDouble);
        break;
    case 'K':
        Assign(state.coldJunctionMode, argument, ToInt);
        break;
    case 'L':
        Assign(state.thermocoupleType, argument, ToInt);
        break;
    case 'H':
        Assign(state.frequencyBand, argument, ToInt);
        break;
    case 'I':
        Assign(state.resistanceMode, argument, ToInt);
        break;
    default:
        break;
    }
    return {};
}

// Printable characters only, so the completion marker (which needs CR and LF) cannot appear.
QByteArray CalibratorSimulation::Garbage() {
    const int length = garbageSource.bounded(8, 41);
    QByteArray text(length, ' ');
    for (char &character : text)
        character = char(garbageSource.bounded(0x21, 0x7f));
    return text;
}

} // namespace vk220::sim
