#pragma once

#include "desktop/qt/settings_file.h"
#include "shell/editor_settings.h"

namespace rc::shell {

// The editor's settings in H_R8.ini of the user's configuration folder.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore() : file_(kSettingsApplication) {}
    // A store over the INI file at `fileName` (tests).
    explicit QtSettingsStore(const QString& fileName) : file_(SettingsFile::AtPath(fileName)) {}

    std::optional<std::string> Get(const std::string& section, const std::string& key) override {
        return file_.Get(section, key);
    }
    void Save(const std::string& section, const std::string& key, const std::string& value) override {
        file_.Set(section, key, value);
    }
    void Sync() { file_.Sync(); }
    QString FileName() const { return file_.FileName(); }

private:
    SettingsFile file_;
};

} // namespace rc::shell
