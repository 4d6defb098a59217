#pragma once

namespace vk220::sim {

// Misbehaviours the simulated calibrator can show, to exercise the panel's link handling.
// The first four change what a reply says; the others change how and whether it is delivered.
struct SimulationFaults {
    bool silent = false;              // never answer
    bool shortIdentification = false; // answer "T" with 50 characters or fewer
    bool garbage = false;             // random printable characters instead of each reply
    bool extraAfterMarker = false;    // further characters after the completion marker
    int slowMs = 0;                   // delay before a reply starts
    bool trickle = false;             // a few characters per write, with pauses between
    bool stream = false;              // after the first line, an endless stream without marker
    int hangUpAfter = -1;             // hang up when line hangUpAfter + 1 arrives; -1: never
};

} // namespace vk220::sim
