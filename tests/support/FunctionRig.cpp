#include "tests/support/FunctionRig.h"

#include <QCoreApplication>
#include <QTimer>

#include <memory>

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

void FunctionRig::DuringReplyTo(const QString &line, std::function<void()> action) {
    auto answer = port.responder;
    auto pending = std::make_shared<std::function<void()>>(std::move(action));
    port.responder = [answer, pending, line](const QString &written) {
        if (written == line && *pending)
            QTimer::singleShot(0, std::exchange(*pending, nullptr));
        return answer(written);
    };
}
