// Reading "Settings.txt" whatever it holds, in a folder of its own that is removed at exit.
#include "app/SettingsFile.h"
#include "fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace vk220::app;

namespace {

// The settings file is looked up in the current folder.
std::unique_ptr<QTemporaryDir> folder;

void WriteSettings(const QByteArray &content) {
    QFile file(QString::fromLatin1(SettingsFile::FileName));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(content) == content.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    folder = std::make_unique<QTemporaryDir>();
    FUZZ_CHECK(folder->isValid() && QDir::setCurrent(folder->path()));
    std::atexit([] { folder.reset(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    WriteSettings(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const int port = SettingsFile::ReadPortNumber();
    FUZZ_CHECK(port >= 0);
    // A port read is written back as it is kept, and read again unchanged.
    if (port > 0) {
        FUZZ_CHECK(SettingsFile::WritePortNumber(port));
        FUZZ_CHECK(SettingsFile::ReadPortNumber() == port);
        QFile file(QString::fromLatin1(SettingsFile::FileName));
        FUZZ_CHECK(file.open(QIODevice::ReadOnly) &&
                   file.readAll() == QByteArray::number(port) + "\r\n");
    }
    return 0;
}
