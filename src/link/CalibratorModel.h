#pragma once

#include <QString>
#include <QtGlobal>

namespace vk220::link {

// What the calibrator and the adapter hold, as the command lines sent to them tell: whether the
// output is on, the range, whether an output value was set for the range and the switching mask
// in force, and the mask itself.
//
// A voltage or current output (ranges 1 to 22) is the live output that must never reach
// terminals or a coil while the adapter switches, and must never come on without a value of its
// own. The tachometer and thermocouple signals and the other ranges are not live in that sense.
class CalibratorModel {
public:
    enum class Output { Standby, On, Unknown };

    // What a line would do, judged element by element from the state before it.
    struct Effect {
        // A switching mask would go out while a live output may be on.
        bool switchesUnderLiveOutput = false;
        // "S0" would switch a live range on with no value set for it and the mask in force.
        bool switchesOnWithoutValue = false;
        bool switchesOn = false;
    };

    static bool LiveRange(int range) { return range >= 1 && range <= 22; }

    Effect Judge(const QString &line) const;
    // The line has left for the calibrator.
    void Apply(const QString &line);
    // The line may or may not have arrived (the port was lost with it): what the calibrator holds
    // is unknown until a line sets it again.
    void Lose() { output = Output::Unknown; }

    Output OutputState() const { return output; }
    // Whether a live output may be on: on, or unknown on a live range.
    bool LiveOutputPossible() const;
    int Range() const { return range; }
    bool ValueSet() const { return valueSet; }
    // The last non-zero switching mask; the "p0" after it leaves the circuit as it is.
    qint64 Mask() const { return mask; }
    // The texts of the last "O" and "F" values, as sent.
    const QString &Value() const { return value; }
    const QString &Frequency() const { return frequency; }

private:
    // Applies the line's elements in order, noting in `effect` (when given) what they do.
    void Run(const QString &line, Effect *effect);
    // One command element: its letter and the text after it; the display text ends the line.
    void Step(QChar letter, const QString &argument, Effect *effect);

    Output output = Output::Standby;
    int range = -1;
    bool valueSet = false;
    qint64 mask = 0;
    QString value;
    QString frequency;
};

} // namespace vk220::link
