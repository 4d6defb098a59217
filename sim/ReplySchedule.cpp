#include "sim/ReplySchedule.h"

namespace vk220::sim {

QList<ReplyChunk> ReplySchedule::Plan(const QByteArray &reply) const {
    if (reply.isEmpty() || faults.stream) {
        return {};
    }
    if (!faults.trickle) {
        return {{faults.slowMs, reply}};
    }
    QList<ReplyChunk> chunks;
    for (qsizetype position = 0; position < reply.size(); position += TrickleCharacters) {
        const int delay = position == 0 ? faults.slowMs : TricklePauseMs;
        chunks.append({delay, reply.mid(position, TrickleCharacters)});
    }
    return chunks;
}

bool ReplySchedule::HangsUpAt(int lineNumber) const {
    return faults.hangUpAfter >= 0 && lineNumber > faults.hangUpAfter;
}

} // namespace vk220::sim
