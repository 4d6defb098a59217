#pragma once

#include <QString>

namespace vk220::link {

class LinkObserver;

// What the link tells the program about its exchanges: the lines and replies for the console,
// the notes of the interlock, and the serial faults, each shown once.
class LinkJournal {
public:
    void SetObserver(LinkObserver *value) { observer = value; }
    LinkObserver *Observer() const { return observer; }

    // A line of its own in the console (shown only while the console is).
    void Note(const QString &entry);
    // A command and its reply in the console.
    void Log(const QString &command, const QString &reply);
    // The serial error box. Faults met while the operator is still reading the box (a polling
    // window on an unplugged port) are not stacked as further boxes.
    void ShowError(const QString &description);

private:
    LinkObserver *observer = nullptr;
    bool showingError = false;
};

} // namespace vk220::link
