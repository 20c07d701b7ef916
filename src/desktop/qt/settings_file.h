#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

namespace rc {

// A program's per-user settings file (`application`.ini in the user's configuration folder): text
// values by section and key. Sections and keys are matched without regard to case, as users' older
// and hand-edited files need ("[printer]", "[Modem]" beside "[MODEM]"): a read prefers the exact
// spelling, then any other; a write goes into the section as the file already spells it, under
// the key as the program spells it, and removes every other spelling of that key, so one value
// remains that no other copy can shadow.
class SettingsFile {
public:
    explicit SettingsFile(const QString& application);
    // The INI file at `fileName`.
    static SettingsFile AtPath(const QString& fileName);

    std::optional<std::string> Get(const std::string& section, const std::string& key);
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // Writes what is pending to the file.
    void Sync();
    QString FileName() const;

private:
    SettingsFile(const QString& fileName, bool);
    // Settings that live only while the program runs, for a name that is no file.
    void UseScratch(const QString& fileName);
    // Every spelling of `section` in the file, the exact one first.
    QStringList Groups(const QString& section);
    // Every spelling of `key` in `group`, the exact one first.
    QStringList Keys(const QString& group, const QString& key);

    std::unique_ptr<QTemporaryDir> scratch_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace rc
