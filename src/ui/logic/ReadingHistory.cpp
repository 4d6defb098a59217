#include "ui/logic/ReadingHistory.h"

namespace vk220::ui {

QString ReadingHistory::Shown::Number() const {
    return text.endsWith(unit) ? text.chopped(unit.size()) : text;
}

ReadingHistory::ReadingHistory() {
    // Reserved once, never moved: a growing store would leave its earlier copies behind in the
    // heap. Only the pages written become resident.
    samples.reserve(MaximumCount);
}

ReadingHistory::Sample ReadingHistory::Add(const Shown &shown, double seconds,
                                           const QDateTime &clock) {
    if (clock.isValid())
        clockAtZero = static_cast<double>(clock.toMSecsSinceEpoch()) - seconds * 1000.0;
    const std::uint16_t range = Intern({shown.range, shown.unit, shown.decimals});
    if (samples.empty() || samples.back().range != range ||
        samples.back().IsRelative() != shown.relative) {
        seriesStart = samples.size();
        ++seriesCount;
    }
    if (samples.size() == MaximumCount) {
        const std::size_t dropped = MaximumCount / 8;
        samples.erase(samples.begin(), samples.begin() + dropped);
        seriesStart = seriesStart > dropped ? seriesStart - dropped : 0;
    }
    const auto flags = static_cast<std::uint8_t>(
        (shown.overRange ? OverRange : 0) | (shown.relative ? Relative : 0) |
        (shown.noReply ? NoReply : 0) | (shown.noNumber ? NoNumber : 0));
    Sample sample{seconds, 0.0, range, flags};
    if (sample.IsMeasured())
        sample.value = shown.Number().toDouble();
    samples.push_back(sample);
    return sample;
}

void ReadingHistory::Reset() {
    // A fresh store gives the written pages back.
    samples = {};
    samples.reserve(MaximumCount);
    seriesStart = 0;
    seriesCount = 0;
}

std::span<const ReadingHistory::Sample> ReadingHistory::CurrentSeries() const {
    return std::span<const Sample>(samples).subspan(seriesStart);
}

QDateTime ReadingHistory::ClockAt(double seconds) const {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(clockAtZero + seconds * 1000.0));
}

std::size_t ReadingHistory::MemoryBytes() const {
    std::size_t bytes = sizeof(*this) + samples.size() * sizeof(Sample);
    for (const Range &range : ranges)
        bytes += sizeof(Range) +
                 static_cast<std::size_t>(range.caption.capacity() + range.unit.capacity()) *
                     sizeof(QChar);
    return bytes;
}

std::uint16_t ReadingHistory::Intern(const Range &range) {
    for (std::size_t i = 0; i < ranges.size(); ++i)
        if (ranges[i] == range)
            return static_cast<std::uint16_t>(i);
    ranges.push_back(range);
    return static_cast<std::uint16_t>(ranges.size() - 1);
}

} // namespace vk220::ui
