#include "Main.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vk220-panel"));
    // Fusion paints button back colours on every platform; the selected choices rely on it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return Main(application);
}
