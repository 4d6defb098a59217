#pragma once

#include "FunctionRig.h"
#include "InsForm.h"
#include "InsResPanel.h"
#include "InsVoltPanel.h"

#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <memory>

// The insulation window on the fake port, shown and loaded.
struct InsRig : FunctionRig {
    InsRig() {
        window = new InsForm(context);
        window->show();
        window->Load();
    }
    ~InsRig() { delete window.data(); }

    InsResPanel &Res() const { return window->ResPanel(); }
    InsVoltPanel &Volt() const { return window->VoltPanel(); }

    void ClickTab(int index) const {
        QTabBar &tabs = window->InsTab();
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    }

    // Runs `action` as an event serviced while the reply to the first `line` written from now on
    // is awaited, as a click during that exchange would be.
    void DuringReplyTo(const QString &line, std::function<void()> action) {
        auto answer = port.responder;
        auto pending = std::make_shared<std::function<void()>>(std::move(action));
        port.responder = [answer, pending, line](const QString &written) {
            if (written == line && *pending)
                QTimer::singleShot(0, std::exchange(*pending, nullptr));
            return answer(written);
        };
    }

    QPointer<InsForm> window;
};

// `times` SetIns sends of `mask`.
inline QStringList Masks(int mask, int times = 1) {
    QStringList lines;
    for (int i = 0; i < times; ++i)
        lines << QStringLiteral("p18874368") << QStringLiteral("p%1").arg(mask);
    return lines;
}
