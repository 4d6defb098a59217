#pragma once

namespace vk220::link {

// How one call of SendCommand ended, told to the observer so that the main window can say how
// the link fares.
struct ExchangeReport {
    enum class End {
        // The reply ended with the completion marker.
        Replied,
        // The line fell silent first: nothing came, or a reply without the marker.
        Silence,
        // A fault of the port, or a reply that never ended.
        Failed,
        // Nothing was written: the line was refused, or the port is lost.
        NotSent,
        // Offline mode: the line was only logged.
        Offline,
    };

    End end = End::NotSent;
    // From the line leaving to the end of its reply, on the link's clock; 0 when nothing left.
    double seconds = 0;
};

} // namespace vk220::link
