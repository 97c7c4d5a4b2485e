#pragma once

#include <QSettings>
#include <QString>

#include "platform/user_defaults.h"

namespace korvida::qt {

// The user's defaults in an INI file (by default ~/.config/korvida/korvida.ini). Only values
// the user has set are ever written; the factory values live in the registration domain.
class QtDefaultsStore : public DefaultsStore {
public:
    // The INI file at the path, or the user's own when the path is empty.
    explicit QtDefaultsStore(const QString& iniPath = {});

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

    QString fileName() const { return settings.fileName(); }

private:
    QSettings settings;
};

} // namespace korvida::qt
