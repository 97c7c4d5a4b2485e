#include "qt/services/qt_defaults_store.h"

#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida::qt {

namespace {

// Where an INI QSettings of the user keeps it ($XDG_CONFIG_HOME/korvida/korvida.ini), found
// without making one: that would read the file before it is looked at.
QString userSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/korvida/korvida.ini");
}

// A missing file is made when the first value is written; a regular file is read. Anything
// else is looked at through a descriptor opened without waiting, never read.
bool isUsableSettingsFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

} // namespace

QtDefaultsStore::QtDefaultsStore(const QString& iniPath) : path(iniPath.isEmpty() ? userSettingsFile() : iniPath)
{
    if (isUsableSettingsFile(path))
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::optional<std::string> QtDefaultsStore::read(const std::string& key) const
{
    if (!settings) {
        const auto found = thisRunOnly.find(key);
        return found == thisRunOnly.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    const QVariant value = settings->value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtDefaultsStore::write(const std::string& key, const std::string& value)
{
    if (!settings) {
        thisRunOnly[key] = value;
        return;
    }
    settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
    // Written at once: a preference the user has just closed the sheet on must survive a
    // crash a moment later.
    settings->sync();
}

} // namespace korvida::qt
