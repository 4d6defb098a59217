#pragma once

#include <QString>

#include <optional>

namespace vk220::link {

// A calibrator line behind a serial device server: "tcp://host:port" for a raw TCP stream,
// "rfc2217://host:port" for telnet with the COM port control option. A host may be a name, an
// IPv4 address or an IPv6 address in brackets ("tcp://[::1]:4001").
struct NetworkAddress {
    enum class Kind { Raw, Telnet };

    Kind kind = Kind::Raw;
    QString host;
    quint16 port = 0;

    // The address read from its text; none when the text is not such an address.
    static std::optional<NetworkAddress> Parse(const QString &text);
    // The address written as it is read.
    QString Text() const;
};

} // namespace vk220::link
