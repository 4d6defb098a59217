#include "link/LinkJournal.h"

#include "link/LinkObserver.h"

namespace vk220::link {

void LinkJournal::Note(const QString &entry) {
    if (!observer || !observer->ConsoleVisible())
        return;
    observer->ConsoleAppend(entry);
    observer->ConsoleSelectLast();
}

void LinkJournal::Log(const QString &command, const QString &reply) {
    if (!observer || !observer->ConsoleVisible())
        return;
    observer->ConsoleAppend(command);
    observer->ConsoleAppend(reply);
    observer->ConsoleSelectLast();
}

void LinkJournal::ShowError(const QString &description) {
    if (showingError || !observer)
        return;
    showingError = true;
    observer->ShowSerialError(description);
    showingError = false;
}

} // namespace vk220::link
