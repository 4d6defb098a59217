#pragma once

#include <QByteArray>

namespace vk220::link {

// The telnet side of a device server that offers the COM port control option (44): the data both
// ways with 0xFF doubled, the answers to the server's option requests, and the line settings
// 9600 baud, 8 data bits, no parity, 1 stop bit carried as subnegotiations of the option.
class TelnetCodec {
public:
    enum class ComPort { Asked, Accepted, Refused };

    // What the client says first: it will use the COM port control option, and binary
    // transmission both ways (whose confirmations then need no answer).
    QByteArray Opening();
    // The four subnegotiations that set the line: baud rate, data size, parity, stop size.
    static QByteArray LineSettings();
    // The data as it goes on the wire: every 0xFF doubled.
    static QByteArray Escape(const QByteArray &data);

    // Reads received bytes: the data is appended to `data`, what the server must be answered to
    // `answers`. A command split between two reads is completed by the next.
    void Receive(const QByteArray &bytes, QByteArray &data, QByteArray &answers);
    // Whether the server has agreed to the COM port control option, refused it or not yet said.
    ComPort State() const { return comPort; }
    // Whether the server has confirmed the baud rate, which it does once it holds the line.
    bool LineConfirmed() const { return lineConfirmed; }

private:
    enum class Step { Data, Iac, Verb, Sub, SubIac };

    void Negotiate(quint8 verb, quint8 option, QByteArray &answers);

    Step step = Step::Data;
    quint8 verb = 0;
    ComPort comPort = ComPort::Asked;
    // The bytes of the running subnegotiation read so far (at most its option and command).
    QByteArray sub;
    bool lineConfirmed = false;
    // The options already answered each way, so that a repeated request gets no second answer.
    quint64 answeredWill = 0;
    quint64 answeredDo = 0;
};

} // namespace vk220::link
