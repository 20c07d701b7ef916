#pragma once

#include "link/link_settings.h"

#include <QSettings>
#include <QString>

namespace rc::link {

// The link program's settings file, HaldenLink.ini in the user's configuration folder. Section and
// key names compare without regard to case, as users' older files and the program's own two
// spellings of the modem section ("MODEM", "Modem") need: both name one section.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore(); // QSettings(IniFormat, UserScope, "HaldenLink")
    explicit QtSettingsStore(const QString& fileName);

    std::string Get(const std::string& section, const std::string& key) override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;
    void Flush() override;

    QString FileName() const { return settings_.fileName(); }

private:
    // The stored spelling of a section, preferring an exact match; empty when there is none.
    QString FindGroup(const QString& section);
    QString FindKey(const QString& group, const QString& key);

    QSettings settings_;
};

} // namespace rc::link
