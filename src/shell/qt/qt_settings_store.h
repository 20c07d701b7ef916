#pragma once

#include "shell/editor_settings.h"

#include <QSettings>

#include <memory>

namespace rc::shell {

// The per-user settings store of the editor: H_R8.ini in the user's configuration folder. Section
// and key names are matched without regard to case, as the editor always has, so a file edited by
// hand with "[printer]" is still read; a write replaces any differently-cased copy of its key.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore();
    // A store over the INI file at `fileName` (tests).
    explicit QtSettingsStore(const QString& fileName);

    std::optional<std::string> Get(const std::string& section, const std::string& key) override;
    void Save(const std::string& section, const std::string& key, const std::string& value) override;
    // Writes what is pending to the file.
    void Sync();
    QString FileName() const;

private:
    // The key as stored in the file, matched without regard to case, or an empty string.
    QString StoredKey(const QString& wanted) const;

    std::unique_ptr<QSettings> settings_;
};

} // namespace rc::shell
