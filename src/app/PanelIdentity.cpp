#include "app/PanelIdentity.h"

#include <QGuiApplication>
#include <QIcon>

// The resource file lives in a static library and is registered explicitly, from the global
// namespace, where Q_INIT_RESOURCE declares its registration function.
static void InitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace vk220::app {

// The icons live in a static library: their resource file is registered explicitly, from the
// global namespace, where the macro declares the resource's function.
static void RegisterIcons() {
    InitPictures();
}

namespace PanelIdentity {

void Apply() {
    QGuiApplication::setDesktopFileName(DesktopFileName);
    // The installed theme's icon where there is one; the copies built into the program else
    // (a build that was never installed).
    RegisterIcons();
    QIcon builtIn;
    for (const int size : {16, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(DesktopFileName, builtIn));
}

} // namespace PanelIdentity

} // namespace vk220::app
