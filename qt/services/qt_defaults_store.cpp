#include "qt/services/qt_defaults_store.h"

namespace korvida::qt {

namespace {

QString userSettingsFile()
{
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("korvida"),
                         QStringLiteral("korvida"));
    return user.fileName();
}

} // namespace

QtDefaultsStore::QtDefaultsStore(const QString& iniPath)
    : settings(iniPath.isEmpty() ? userSettingsFile() : iniPath, QSettings::IniFormat)
{}

std::optional<std::string> QtDefaultsStore::read(const std::string& key) const
{
    const QVariant value = settings.value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtDefaultsStore::write(const std::string& key, const std::string& value)
{
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    // Written at once: a preference the user has just closed the sheet on must survive a
    // crash a moment later.
    settings.sync();
}

} // namespace korvida::qt
