#pragma once

#include "functions/insulation/InsForm.h"
#include "functions/insulation/InsResPanel.h"
#include "functions/insulation/InsVoltPanel.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionRig.h"

#include <QPointer>
#include <QTabBar>
#include <QTest>

// The insulation window on the fake port, shown and loaded.
struct InsRig : FunctionRig {
    InsRig() {
        window = new vk220::insulation::InsForm(context);
        window->show();
        window->Load();
    }
    ~InsRig() { delete window.data(); }

    vk220::insulation::InsResPanel &Res() const {
        return *Find<vk220::insulation::InsResPanel>(window, "InsResPanel");
    }
    vk220::insulation::InsVoltPanel &Volt() const {
        return *Find<vk220::insulation::InsVoltPanel>(window, "InsVoltPanel");
    }

    void ClickTab(int index) const {
        QTabBar &tabs = *Find<QTabBar>(window, "InsTab");
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    }

    QPointer<vk220::insulation::InsForm> window;
};

// `times` SetIns sends of `mask`.
inline QStringList Masks(int mask, int times = 1) {
    QStringList lines;
    for (int i = 0; i < times; ++i)
        lines << QStringLiteral("p18874368") << QStringLiteral("p%1").arg(mask);
    return lines;
}
