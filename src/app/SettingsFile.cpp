#include "SettingsFile.h"

#include "NumberText.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace {
// A settings file larger than this is not a port number; reading stops here.
constexpr qint64 MaximumRead = 4096;
} // namespace

namespace SettingsFile {

int ReadPortNumber() {
    QFile file(QString::fromLatin1(FileName));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(file.read(MaximumRead));
    // The first field: up to the first comma or line end, surrounding quotes removed.
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u',' && text.at(end) != u'\r' &&
           text.at(end) != u'\n')
        ++end;
    QString field = text.left(end).trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.mid(1, field.size() - 2);
    const double value = NumberText::LeadingNumber(field);
    // Port numbers are small positive integers; anything else means no port is known.
    if (!(value >= 1 && value <= std::numeric_limits<int>::max()))
        return 0;
    return static_cast<int>(std::trunc(value));
}

bool WritePortNumber(int number, QString *failure) {
    QFile file(QString::fromLatin1(FileName));
    const QByteArray line = QByteArray::number(number) + "\r\n";
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(line) == line.size() &&
        file.flush())
        return true;
    if (failure)
        *failure = file.errorString();
    return false;
}

} // namespace SettingsFile
