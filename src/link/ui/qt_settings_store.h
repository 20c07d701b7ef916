#pragma once

#include "desktop/qt/settings_file.h"
#include "link/link_settings.h"

namespace rc::link {

// The link program's settings in HaldenLink.ini of the user's configuration folder. The program's
// own two spellings of the modem section ("MODEM", "Modem") name one section there.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore() : file_("HaldenLink") {}
    explicit QtSettingsStore(const QString& fileName) : file_(SettingsFile::AtPath(fileName)) {}

    std::string Get(const std::string& section, const std::string& key) override {
        return file_.Get(section, key).value_or("");
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) override {
        file_.Set(section, key, value);
    }
    void Flush() override { file_.Sync(); }

    QString FileName() const { return file_.FileName(); }

private:
    SettingsFile file_;
};

} // namespace rc::link
