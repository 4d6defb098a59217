#pragma once

#include "procedures/Procedure.h"

#include <QString>

#include <optional>

namespace vk220::procedures {

// A procedure read from its file, or the one message that says why it cannot be run.
struct ProcedureLoad {
    std::optional<Procedure> procedure;
    // "procedures/x.yaml:12:14: point 3: test voltage 2000 V is above the highest range
    // (1000 V)"; empty when the procedure was read.
    QString problem;
};

// Reads and checks the procedure in the YAML file at `path`, before anything is sent: the file,
// its header, every point's function, unit, tolerance and result, and whether the panel can run
// the point with the function windows' own tables. The first fault is the problem, named with the
// path as given, the line and the column.
ProcedureLoad LoadProcedure(const QString &path);

} // namespace vk220::procedures
