#include "results/CertificateReprint.h"

#include "results/CertificateDocument.h"
#include "results/LabSettings.h"
#include "results/ResultStore.h"
#include "results/StoreLocation.h"

#include <QFileInfo>

namespace vk220::results {

bool ReprintCertificate(const QString &number, const QString &output, const QString &storePath,
                        const QString &labPath, QString *problem) {
    QString unread;
    const std::optional<StoreLocation> location = StoreLocation::Parse(storePath, &unread);
    if (location && location->kind == StoreLocation::Kind::Embedded &&
        !QFileInfo::exists(location->path)) {
        *problem = QStringLiteral("no certificate %1: there is no results database at %2")
                       .arg(number, storePath);
        return false;
    }
    ResultStore store(storePath);
    if (!store.Open(problem))
        return false;
    const std::optional<CalibrationRun> run = store.RunByCertificate(number);
    if (!run) {
        *problem = QStringLiteral("no certificate %1 in %2").arg(number, storePath);
        return false;
    }
    LabSettings lab;
    if (!ReadLabSettings(labPath, &lab, problem))
        return false;
    return WriteCertificate(*run, store.Points(run->id), lab, output, problem);
}

} // namespace vk220::results
