#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// An entry picked from the history list, split back into the entry line and the frequency label:
// "1.00000V : 50Hz" gives "1.00000V" and "50Hz"; a text without ":" is only an entry.
struct HistoryPick {
    QString entry;
    std::optional<QString> frequency;
};

HistoryPick ParseHistoryPick(QStringView item);
