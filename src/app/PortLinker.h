#pragma once

#include <QString>

namespace vk220::ui {
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::app {

struct SerialDevice;

// Binds a port number to a serial device: "COMn" in the current folder becomes a symbolic link
// to it, to the device's stable path where it has one. Asks first; replaces only a link, never a
// file; and acts only when "COMn" is still what the question was about once it is answered.
class PortLinker {
public:
    static inline const QString Title = QStringLiteral("Link Port");

    explicit PortLinker(ui::MessageBoxes &boxes) : boxes(boxes) {}

    void Link(int number, const SerialDevice &device);

private:
    ui::MessageBoxes &boxes;
};

} // namespace vk220::app
