#pragma once

#include "FindControl.h"
#include "FunctionRig.h"
#include "InsForm.h"
#include "InsResPanel.h"
#include "InsVoltPanel.h"

#include <QPointer>
#include <QTabBar>
#include <QTest>

// The insulation window on the fake port, shown and loaded.
struct InsRig : FunctionRig {
    InsRig() {
        window = new InsForm(context);
        window->show();
        window->Load();
    }
    ~InsRig() { delete window.data(); }

    InsResPanel &Res() const { return *Find<InsResPanel>(window, "InsResPanel"); }
    InsVoltPanel &Volt() const { return *Find<InsVoltPanel>(window, "InsVoltPanel"); }

    void ClickTab(int index) const {
        QTabBar &tabs = *Find<QTabBar>(window, "InsTab");
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
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
