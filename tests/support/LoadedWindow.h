#pragma once

#include "tests/support/FunctionRig.h"

#include <QPointer>

// A function window of type Form on its own rig: created, shown and loaded; deleted with the rig
// unless the test has had it deleted already.
template <class Form> struct LoadedWindow {
    LoadedWindow() : form(new Form(rig.context)) {
        form->show();
        form->Load();
    }
    ~LoadedWindow() { delete form.data(); }

    FunctionRig rig;
    QPointer<Form> form;
};
