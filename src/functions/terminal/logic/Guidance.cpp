#include "functions/terminal/logic/Guidance.h"

#include "functions/terminal/logic/EntryUnits.h"

namespace vk220::terminal {

namespace Guidance {

Note AfterClick(int index, OutputPoint selected) {
    return index == static_cast<int>(OutputPoint::HighCurrent) &&
                   selected == OutputPoint::LowCurrent
               ? Note::HighCurrentDeclined
               : Note::None;
}

QString Text(const PanelState &state, bool waitingForPath, Note note) {
    const QString entry = state.entry.trimmed();
    if (waitingForPath) {
        return entry.isEmpty() ? QStringLiteral("Pick a current path")
                               : QStringLiteral("Pick a current path for ") + entry;
    }
    if (!entry.isEmpty()) {
        return QStringLiteral("Press ENTER to set ") +
               EntryUnits::AsEntered(entry, state.selected == OutputPoint::Voltage);
    }
    if (note == Note::HighCurrentDeclined)
        return QStringLiteral("HIGH CURRENT is chosen automatically above 2 A");
    return {};
}

} // namespace Guidance

} // namespace vk220::terminal
