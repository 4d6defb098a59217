#pragma once

#include "link/SerialPort.h"
#include "sim/HazardReferee.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

class VirtualClock;

// A serial port that records every line written and answers from a script, on the virtual clock.
// By default every line is answered at once with the completion marker. Every line written is
// also judged by the referee calsim uses: a port that received a hazard ends the test program
// with the list as it is destroyed, so that no test can send one unnoticed.
class FakeSerialPort final : public vk220::link::SerialPort {
public:
    // A piece of a reply and when it arrives, in seconds after the line was written.
    struct Chunk {
        double delay;
        QByteArray bytes;
    };
    using Responder = std::function<QList<Chunk>(const QString &line)>;

    static inline const QByteArray Marker = QByteArrayLiteral("*0\r\n");

    explicit FakeSerialPort(const VirtualClock &clock);
    ~FakeSerialPort() override;

    // Lines written, without their carriage return, in order.
    QStringList written;
    Responder responder;
    // Open fails with this description when not empty.
    QString openError;
    // The next read, count or write fails with this description when not empty.
    QString ioError;
    int opens = 0;

    // Answers every line with `reply` followed by the marker.
    void AnswerAll(const QByteArray &reply);
    // Answers "v" with `counts` and the marker, every other line with the marker alone.
    void AnswerReading(const QByteArray &counts);
    // Puts characters in the receive buffer now, as if they had arrived unasked.
    void Inject(const QByteArray &bytes) { pending.append({0, bytes}); }
    // The hazards among the lines written, in order, as "<reason>: <line>".
    QStringList Hazards() const { return hazards; }
    // Hands the hazards over and forgets them: a test that sends hazards on purpose takes them.
    QStringList TakeHazards() { return std::exchange(hazards, {}); }

    void SetPortNumber(int value) override {
        if (value != number)
            device.clear();
        number = value;
    }
    int PortNumber() const override { return number; }
    // As the real port: the device of the last successful open, else the one the number stands
    // for now.
    QString Device() const override;
    bool Open() override;
    void Close() override { open = lost = false; }
    bool IsOpen() const override { return open; }
    bool Lost() const override { return lost; }
    // The device hangs up while no exchange runs: the port closes itself, as the real one does.
    void HangUp(const QString &description);
    bool Write(const QByteArray &data) override;
    bool ReadAll(QByteArray &data) override;
    bool CountWaiting(qint64 &count) override;
    QString ErrorString() const override { return error; }

private:
    struct Arrival {
        double at;
        QByteArray bytes;
    };
    QByteArray Arrived();
    bool Fault();

    const VirtualClock &clock;
    vk220::sim::HazardReferee referee;
    QStringList hazards;
    QList<Arrival> pending;
    int number = 1;
    QString device;
    bool open = false;
    bool lost = false;
    QString error;
};
