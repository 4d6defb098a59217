#pragma once

#include "ui/FunctionDescriptor.h"

#include <QList>

namespace vk220::app {

// The main window's function choice: one row a function, in the order of the buttons of FuncBut
// and of the items of the Function menu. Each function folder exports its row's descriptor.
namespace FunctionTable {

const QList<const ui::FunctionDescriptor *> &Entries();

// The row of the function `code`; -1 when no row has it.
int IndexOf(const QString &code);

} // namespace FunctionTable

} // namespace vk220::app
