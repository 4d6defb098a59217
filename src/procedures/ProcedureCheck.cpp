#include "procedures/ProcedureCheck.h"

#include "procedures/ProcedureReader.h"

namespace vk220::procedures {

ProcedureCheckReport CheckProcedureFiles(const QStringList &paths) {
    ProcedureCheckReport report;
    for (const QString &path : paths) {
        const ProcedureLoad load = LoadProcedure(path);
        report.lines << (load.procedure ? path + QStringLiteral(": OK") : load.problem);
        report.allValid = report.allValid && load.procedure.has_value();
    }
    return report;
}

} // namespace vk220::procedures
