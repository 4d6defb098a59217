#pragma once

#include <QByteArray>

namespace vk220::sim {

// What the calibrator and the adapter have been told, as the simulation remembers it.
struct CalibratorState {
    // The adapter latches a switching mask; the "p0" that usually follows a set-up mask only
    // releases the strobe and leaves the switched circuit as it was. So the last non-zero mask
    // decides what is measured until another non-zero mask (for example the release mask
    // 16777216) replaces it.
    qint64 adapterMask = 0;
    qint64 lastMaskCommand = 0; // the latest "p" value as sent, zero included
    int range = 0;              // "R"
    double output = 0;          // "O", in the unit of the range
    bool outputOn = false;      // "S0" on, "S1" standby; the calibrator powers up in standby
    double frequency = 0;       // "F"
    int coldJunctionMode = 0;   // "K"
    int thermocoupleType = 0;   // "L"
    int frequencyBand = 0;      // "H"
    int resistanceMode = 0;     // "I"
    QByteArray displayText;     // the "#" element, without its "#"
    int readingsSinceMask = 0;  // "v" commands since the last non-zero mask
};

} // namespace vk220::sim
