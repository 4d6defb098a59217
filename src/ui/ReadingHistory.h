#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

// The readings a polling window has shown, in the order shown, kept compactly so that a day of
// polling at 2 Hz stays a few megabytes: each reading is its value as shown (scaled to its unit
// and rounded to the display's decimals), a monotonic time stamp, an index into the table of
// ranges met so far and its flags. A change of range starts a new series; the trend and the
// statistics look at the series under way. However long a window polls, the history keeps the
// last two days.
class ReadingHistory {
public:
    // Two days at 2 Hz; beyond them the oldest readings make room, an eighth at a time.
    static constexpr std::size_t MaximumCount = 345600;

    // What a window shows for one reading.
    struct Shown {
        double value = 0.0; // in `unit`, before rounding to `decimals`
        QString range;      // the range's caption, as on its button
        QString unit;
        int decimals = 0;
        bool overRange = false; // the display shows its over-range text, not a number
        bool relative = false;  // a NULL offset is taken off
        // No reply came (silence, a lost port, offline mode): the display's 0 was read from
        // nothing.
        bool noReply = false;
    };

    struct Range {
        QString caption;
        QString unit;
        int decimals = 0;
        bool operator==(const Range &other) const = default;
    };

    enum Flag : std::uint8_t { OverRange = 1, Relative = 2, NoReply = 4 };

    struct Sample {
        double seconds;
        double value; // 0 when over range or without a reply
        std::uint16_t range;
        std::uint8_t flags;

        bool IsOverRange() const { return flags & OverRange; }
        bool IsRelative() const { return flags & Relative; }
        bool IsNoReply() const { return flags & NoReply; }
        // A value the calibrator measured: neither over range nor read from no reply.
        bool IsMeasured() const { return !(flags & (OverRange | NoReply)); }
    };

    ReadingHistory();

    // Records `shown`, taken at `seconds` on a monotonic clock.
    Sample Add(const Shown &shown, double seconds);
    // Forgets every reading; the next one starts a new series.
    void Reset();

    std::size_t Count() const { return samples.size(); }
    const Range &RangeOf(const Sample &sample) const { return ranges.at(sample.range); }
    // The readings since the last change of range (or reset), oldest first.
    std::span<const Sample> CurrentSeries() const;
    // How many series there have been since the last reset.
    int SeriesCount() const { return seriesCount; }
    // Bytes the readings take, for the budget of a day's polling (the store is reserved for the
    // most readings at once, but only what is written takes memory).
    std::size_t MemoryBytes() const;

private:
    std::uint16_t Intern(const Range &range);

    std::vector<Sample> samples;
    std::vector<Range> ranges;
    std::size_t seriesStart = 0;
    int seriesCount = 0;
};
