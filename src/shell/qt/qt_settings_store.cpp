#include "shell/qt/qt_settings_store.h"

namespace rc::shell {

namespace {

QString FullKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication)) {}

QtSettingsStore::QtSettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

QString QtSettingsStore::StoredKey(const QString& wanted) const {
    if (settings_->contains(wanted))
        return wanted;
    for (const QString& k : settings_->allKeys())
        if (k.compare(wanted, Qt::CaseInsensitive) == 0)
            return k;
    return {};
}

std::optional<std::string> QtSettingsStore::Get(const std::string& section, const std::string& key) {
    QString stored = StoredKey(FullKey(section, key));
    if (stored.isEmpty())
        return std::nullopt;
    QVariant v = settings_->value(stored);
    // A value with commas that was written by hand without quotes reads as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::Save(const std::string& section, const std::string& key, const std::string& value) {
    QString wanted = FullKey(section, key);
    for (const QString& k : settings_->allKeys())
        if (k != wanted && k.compare(wanted, Qt::CaseInsensitive) == 0)
            settings_->remove(k);
    settings_->setValue(wanted, QString::fromStdString(value));
}

void QtSettingsStore::Sync() {
    settings_->sync();
}

QString QtSettingsStore::FileName() const {
    return settings_->fileName();
}

} // namespace rc::shell
