#include "link/TelnetCodec.h"

#include <array>

namespace vk220::link {

namespace {
constexpr quint8 Iac = 255;
constexpr quint8 Dont = 254;
constexpr quint8 Do = 253;
constexpr quint8 Wont = 252;
constexpr quint8 Will = 251;
constexpr quint8 Sb = 250;
constexpr quint8 Se = 240;
constexpr quint8 Binary = 0;
constexpr quint8 SuppressGoAhead = 3;
constexpr quint8 ComPortOption = 44;
// The client's subnegotiation commands of the COM port control option, and their values here.
constexpr quint8 SetBaudRate = 1;
constexpr quint8 SetDataSize = 2;
constexpr quint8 SetParity = 3;
constexpr quint8 SetStopSize = 4;
// The server answers each with the command plus this.
constexpr quint8 ServerOffset = 100;
constexpr quint32 BaudRate = 9600;
constexpr quint8 DataBits = 8;
constexpr quint8 NoParity = 1;
constexpr quint8 OneStopBit = 1;

QByteArray Command(quint8 verb, quint8 option) {
    const std::array<char, 3> bytes{static_cast<char>(Iac), static_cast<char>(verb),
                                    static_cast<char>(option)};
    return QByteArray(bytes.data(), bytes.size());
}

QByteArray Subnegotiation(quint8 command, const QByteArray &value) {
    QByteArray bytes = Command(Sb, ComPortOption);
    bytes += static_cast<char>(command);
    bytes += TelnetCodec::Escape(value);
    bytes += static_cast<char>(Iac);
    bytes += static_cast<char>(Se);
    return bytes;
}

// Binary transmission and no go-ahead suit a raw serial line; every other option is declined.
bool Wanted(quint8 option) {
    return option == Binary || option == SuppressGoAhead;
}

QByteArray Bytes2(quint8 first, quint8 second) {
    return QByteArray(1, static_cast<char>(first)) + static_cast<char>(second);
}

quint64 Bit(quint8 option) {
    return option < 64 ? quint64{1} << option : 0;
}
} // namespace

QByteArray TelnetCodec::Opening() {
    answeredWill |= Bit(Binary);
    answeredDo |= Bit(Binary);
    return Command(Will, ComPortOption) + Command(Will, Binary) + Command(Do, Binary);
}

QByteArray TelnetCodec::LineSettings() {
    QByteArray baud;
    for (int shift = 24; shift >= 0; shift -= 8)
        baud += static_cast<char>((BaudRate >> shift) & 0xFF);
    return Subnegotiation(SetBaudRate, baud) +
           Subnegotiation(SetDataSize, QByteArray(1, static_cast<char>(DataBits))) +
           Subnegotiation(SetParity, QByteArray(1, static_cast<char>(NoParity))) +
           Subnegotiation(SetStopSize, QByteArray(1, static_cast<char>(OneStopBit)));
}

QByteArray TelnetCodec::Escape(const QByteArray &data) {
    QByteArray escaped;
    escaped.reserve(data.size());
    for (const char c : data) {
        escaped += c;
        if (static_cast<quint8>(c) == Iac)
            escaped += c;
    }
    return escaped;
}

void TelnetCodec::Receive(const QByteArray &bytes, QByteArray &data, QByteArray &answers) {
    for (const char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        switch (step) {
        case Step::Data:
            if (byte == Iac)
                step = Step::Iac;
            else
                data += c;
            break;
        case Step::Iac:
            if (byte == Iac) {
                data += c;
                step = Step::Data;
            } else if (byte == Sb) {
                sub.clear();
                step = Step::Sub;
            } else if (byte >= Will) {
                verb = byte;
                step = Step::Verb;
            } else {
                step = Step::Data; // a command without an option (no operation, go ahead)
            }
            break;
        case Step::Verb:
            Negotiate(verb, byte, answers);
            step = Step::Data;
            break;
        case Step::Sub:
            // Of the server's confirmations of the line settings, the baud rate's tells that it
            // holds the line; their values change nothing here.
            if (byte == Iac)
                step = Step::SubIac;
            else if (sub.size() < 2)
                sub += c;
            if (sub == Bytes2(ComPortOption, SetBaudRate + ServerOffset))
                lineConfirmed = true;
            break;
        case Step::SubIac:
            step = byte == Se ? Step::Data : Step::Sub;
            break;
        }
    }
}

void TelnetCodec::Negotiate(quint8 request, quint8 option, QByteArray &answers) {
    if (option == ComPortOption && (request == Do || request == Dont)) {
        comPort = request == Do ? ComPort::Accepted : ComPort::Refused;
        return;
    }
    quint64 &answered = request == Will || request == Wont ? answeredWill : answeredDo;
    if (answered & Bit(option))
        return;
    answered |= Bit(option);
    if (request == Will)
        answers += Command(Wanted(option) ? Do : Dont, option);
    else if (request == Do)
        answers += Command(Wanted(option) ? Will : Wont, option);
}

} // namespace vk220::link
