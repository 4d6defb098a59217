#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace vk220::terminal {

// An entry picked from the history list, split back into the entry line and the frequency label:
// "1.00000V : 50Hz (VOLTAGE)" gives "1.00000V" and "50Hz"; a text without ":" is only an entry.
// The output point named in brackets after the frequency tells where the output went when it was
// set; it is not read back: a pick sets the value and frequency again on the point in use now,
// as ENTER does with a keyed value.
struct HistoryPick {
    QString entry;
    std::optional<QString> frequency;
};

HistoryPick ParseHistoryPick(QStringView item);

} // namespace vk220::terminal
