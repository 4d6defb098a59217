#pragma once

#include <QString>

namespace vk220::results {

// Writes the certificate `number` again, from the store at `storePath` and the laboratory in
// the settings file at `labPath`, as a PDF at `output`; without a display, under a
// QGuiApplication on the offscreen platform. False with the message otherwise: an unknown
// number, a store that cannot be opened, a settings file or output that cannot be read or
// written.
bool ReprintCertificate(const QString &number, const QString &output, const QString &storePath,
                        const QString &labPath, QString *problem);

} // namespace vk220::results
