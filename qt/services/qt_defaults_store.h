#pragma once

#include <QSettings>
#include <QString>

#include <map>
#include <memory>

#include "platform/user_defaults.h"

namespace korvida::qt {

// The user's defaults in an INI file (by default ~/.config/korvida/korvida.ini). Only values
// the user has set are ever written; the factory values live in the registration domain.
// Something in the file's place that is not a regular file (a FIFO, a device) is never
// opened, since reading it could wait forever: it is unreadable, and the values set meanwhile
// are kept for this run only.
class QtDefaultsStore : public DefaultsStore {
public:
    // The INI file at the path, or the user's own when the path is empty.
    explicit QtDefaultsStore(const QString& iniPath = {});

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

    QString fileName() const { return path; }
    // Whether the values are kept in the file.
    bool isKeptInFile() const { return settings != nullptr; }

private:
    QString path;
    std::unique_ptr<QSettings> settings;
    std::map<std::string, std::string> thisRunOnly;
};

} // namespace korvida::qt
