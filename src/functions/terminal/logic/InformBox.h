#pragma once

#include <QString>

namespace vk220::terminal {

// An information box with a single OK button. Lines of the text are separated by carriage
// returns, as the message-box service expects.
struct InformBox {
    QString title;
    QString text;
    bool operator==(const InformBox &other) const = default;
};

} // namespace vk220::terminal
