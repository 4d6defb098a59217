#include "FunctionRig.h"

#include <QCoreApplication>

void PumpingObserver::ProcessEvents() {
    QCoreApplication::processEvents();
}

FunctionRig::FunctionRig() {
    link.SetObserver(&observer);
    port.Open();
}

QStringList FunctionRig::TakeWritten() {
    QStringList lines = port.written;
    port.written.clear();
    return lines;
}
