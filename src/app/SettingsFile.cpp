#include "app/SettingsFile.h"

#include "link/NetworkAddress.h"
#include "link/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace vk220::app {

namespace {
// A settings file larger than this is not a port number; reading stops here.
constexpr qint64 MaximumRead = 4096;

// QSaveFile refuses a folder in the file's place, and a file it may not write, in words of its
// own before it tries anything. Opening the existing file for appending, which changes nothing in
// it, gets the system's description of that refusal for the operator.
QString Refusal(const QString &name, const QString &saveFileWords) {
    if (!QFileInfo::exists(name))
        return saveFileWords;
    QFile probe(name);
    return probe.open(QIODevice::Append | QIODevice::ExistingOnly) ? saveFileWords
                                                                   : probe.errorString();
}

// What the operator reads when the number cannot be stored: the full path, what went wrong and
// what to do about it.
QString Failure(const QString &path, const QString &what) {
    return QStringLiteral("Cannot write %1: %2\r\rThe port number is kept in that file: make it "
                          "and the folder %3 writable for this user, or start the panel with "
                          "--folder and a folder this user may write.")
        .arg(path, what, QFileInfo(path).absolutePath());
}

// The file's first field: up to the first comma or line end, surrounding quotes removed; empty
// when there is no file.
QString FirstField() {
    QFile file(QString::fromLatin1(SettingsFile::FileName));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString text = QString::fromLatin1(file.read(MaximumRead));
    // The first field: up to the first comma or line end, surrounding quotes removed.
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u',' && text.at(end) != u'\r' &&
           text.at(end) != u'\n')
        ++end;
    QString field = text.left(end).trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.mid(1, field.size() - 2);
    return field;
}

} // namespace

namespace SettingsFile {

int ReadPortNumber() {
    const double value = link::NumberText::LeadingNumber(FirstField());
    // Port numbers are small positive integers; anything else means no port is known.
    if (!(value >= 1 && value <= std::numeric_limits<int>::max()))
        return 0;
    return static_cast<int>(std::trunc(value));
}

QString ReadPortName() {
    if (const auto address = link::NetworkAddress::Parse(FirstField()))
        return address->Text();
    const int number = ReadPortNumber();
    return number == 0 ? QString() : QString::number(number);
}

bool WritePortNumber(int number, QString *failure) {
    return WritePortName(QString::number(number), failure);
}

bool WritePortName(const QString &port, QString *failure) {
    const QString name = QString::fromLatin1(FileName);
    const QFileInfo stored(QDir::current().absoluteFilePath(name));
    // Written through a link, the number would replace whatever the link points at (as root,
    // any file of the system).
    if (stored.isSymLink()) {
        if (failure)
            *failure = QStringLiteral("Cannot write %1: it is a symbolic link to %2, and the panel "
                                      "never writes through a link.\r\rRemove the link, then "
                                      "choose the port again.")
                           .arg(stored.filePath(), stored.symLinkTarget());
        return false;
    }
    // The number goes to a new file beside the old one, which replaces it only once written
    // whole: a failed write or a program killed midway leaves the old file as it was.
    QSaveFile file(name);
    const QByteArray line = port.toLatin1() + "\r\n";
    if (!file.open(QIODevice::WriteOnly)) {
        if (failure)
            *failure = Failure(stored.filePath(), Refusal(name, file.errorString()));
        return false;
    }
    // commit() does not see a failed flush of the buffered line (a full disk) and would put the
    // short file in place: the flush is checked here, and on failure the new file is discarded.
    if (file.write(line) == line.size() && file.flush() && file.commit())
        return true;
    if (failure)
        *failure = Failure(stored.filePath(), file.errorString());
    return false;
}

} // namespace SettingsFile

} // namespace vk220::app
