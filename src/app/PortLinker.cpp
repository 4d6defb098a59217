#include "app/PortLinker.h"

#include "app/SerialDevice.h"
#include "link/PortDevice.h"
#include "ui/logic/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vk220::app {

namespace {

// What stands at a path, read afresh from the file system.
struct Found {
    bool present = false;
    bool link = false;
    QString target;
    bool operator==(const Found &other) const = default;
};

Found Look(const QString &path) {
    const QFileInfo info(path);
    return {info.exists() || info.isSymLink(), info.isSymLink(),
            info.isSymLink() ? info.symLinkTarget() : QString()};
}

} // namespace

void PortLinker::Link(int number, const SerialDevice &device) {
    const QString target = device.stablePath.isEmpty() ? device.device : device.stablePath;
    const QString shownTarget =
        target == device.device ? target : QStringLiteral("%1 (now %2)").arg(target, device.device);
    const QString name = link::PortLinkName(number);
    const QString path = QDir::current().filePath(name);
    const Found asked = Look(path);
    if (asked.link) {
        if (!boxes.Ask(Title, QStringLiteral("%1 in this folder links to %2.\r\rReplace it with a "
                                             "link to %3?")
                                  .arg(name, asked.target, shownTarget)))
            return;
    } else if (asked.present) {
        boxes.Warn(Title, QStringLiteral("%1 in this folder is a file, not a link: it is left as "
                                         "it is.\r\rMove it away to link %1 to %2.")
                              .arg(name, shownTarget));
        return;
    } else if (!boxes.Ask(
                   Title,
                   QStringLiteral("Make %1 in this folder a link to %2?").arg(name, shownTarget))) {
        return;
    }
    // The question may have stayed open a long time: another program (calsim, a shell) may have
    // made, replaced or removed the name meanwhile, and the answer was about what stood there then.
    if (Look(path) != asked) {
        boxes.Warn(Title, QStringLiteral("%1 in this folder changed while the question was open: "
                                         "it is left as it is.\r\rClick \"Link to Selected "
                                         "Device\" again to link it to %2.")
                              .arg(name, shownTarget));
        return;
    }
    QFile previous(path);
    QFile linked(target);
    QString fault;
    if (asked.link && !previous.remove())
        fault = previous.errorString();
    else if (!linked.link(path))
        fault = linked.errorString();
    if (!fault.isEmpty())
        boxes.Warn(
            Title,
            QStringLiteral("%1 could not be made a link to %2:\r\r%3").arg(name, target, fault));
}

} // namespace vk220::app
