#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace vk220::ui {

// The readings a polling window has shown, in the order shown, kept compactly so that a day of
// polling at 2 Hz stays a few megabytes: each reading is the number its display shows (read back
// from the display text, so the figures never round it a second time), a monotonic time stamp,
// an index into the table of ranges met so far and its flags. A change of range, and NULL
// switched on or off, start a new series; the trend and the statistics look at the series under
// way. However long a window polls, the history keeps the last two days.
class ReadingHistory {
public:
    // Two days at 2 Hz; beyond them the oldest readings make room, an eighth at a time.
    static constexpr std::size_t MaximumCount = 345600;

    // What a window shows for one reading.
    struct Shown {
        QString text;  // the display as shown, its unit included: "0.6473V", "Overrange"
        QString range; // the range's caption, as on its button
        QString unit;
        int decimals = 0;
        bool overRange = false; // the display shows its over-range text, not a number
        bool relative = false;  // a NULL offset is taken off
        // No reply came (silence, a lost port, offline mode): the display's 0 was read from
        // nothing.
        bool noReply = false;
        // A reply came but held no number: the display's 0 was read from it.
        bool noNumber = false;

        // The number of the display, as the log writes it: the text without its unit ("-0.0000").
        QString Number() const;
    };

    struct Range {
        QString caption;
        QString unit;
        int decimals = 0;
        bool operator==(const Range &other) const = default;
    };

    enum Flag : std::uint8_t { OverRange = 1, Relative = 2, NoReply = 4, NoNumber = 8 };

    struct Sample {
        double seconds;
        double value; // 0 when over range, without a reply or without a number
        std::uint16_t range;
        std::uint8_t flags;

        bool IsOverRange() const { return flags & OverRange; }
        bool IsRelative() const { return flags & Relative; }
        bool IsNoReply() const { return flags & NoReply; }
        bool IsNoNumber() const { return flags & NoNumber; }
        // Read from nothing: no reply, or a reply without a number.
        bool IsUnread() const { return flags & (NoReply | NoNumber); }
        // A value the calibrator measured: neither over range nor read from nothing.
        bool IsMeasured() const { return !(flags & (OverRange | NoReply | NoNumber)); }
    };

    ReadingHistory();

    // Records `shown`, taken at `seconds` on a monotonic clock and at `clock` on the wall clock
    // (when valid: the trend's time axis reads the clock time of a reading from the last one).
    Sample Add(const Shown &shown, double seconds, const QDateTime &clock = {});
    // Forgets every reading; the next one starts a new series.
    void Reset();

    std::size_t Count() const { return samples.size(); }
    const Range &RangeOf(const Sample &sample) const { return ranges.at(sample.range); }
    // The readings since the last change of range (or reset), oldest first.
    std::span<const Sample> CurrentSeries() const;
    // How many series there have been since the last reset.
    int SeriesCount() const { return seriesCount; }
    // The wall clock at `seconds` on the monotonic clock.
    QDateTime ClockAt(double seconds) const;
    // Bytes the readings take, for the budget of a day's polling (the store is reserved for the
    // most readings at once, but only what is written takes memory).
    std::size_t MemoryBytes() const;

private:
    std::uint16_t Intern(const Range &range);

    std::vector<Sample> samples;
    std::vector<Range> ranges;
    std::size_t seriesStart = 0;
    int seriesCount = 0;
    // The wall clock, in milliseconds since the epoch, at 0 on the monotonic clock.
    double clockAtZero = 0.0;
};

} // namespace vk220::ui
