#pragma once

#include "procedures/Procedure.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vk220::procedures {

// What a procedure file may write for each function: its name, the units of its nominal value,
// how its result is taken and the keys of its own.
struct PointFunctionRule {
    PointFunction function;
    QString name;
    QStringList units;
    ResultMode result;
    QStringList keys;
};

// The rule of the function named `name` (case ignored); null for an unknown name.
const PointFunctionRule *FindPointFunction(QStringView name);

// Every function name, for a message: "insulation resistance, test voltage, ...".
QString PointFunctionNames();

// How a result mode is written: "UUT indicates", "panel measures".
QString ResultModeText(ResultMode mode);

// The keys every point may have whatever its function.
const QStringList &CommonPointKeys();

} // namespace vk220::procedures
