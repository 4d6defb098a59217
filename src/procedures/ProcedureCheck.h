#pragma once

#include <QString>
#include <QStringList>

namespace vk220::procedures {

// What checking procedure files found: one line a file, its problem or "FILE: OK".
struct ProcedureCheckReport {
    QStringList lines;
    bool allValid = true;
};

// Reads and checks each file as a run would load it.
ProcedureCheckReport CheckProcedureFiles(const QStringList &paths);

} // namespace vk220::procedures
