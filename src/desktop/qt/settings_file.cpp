#include "desktop/qt/settings_file.h"

namespace rc {

namespace {

QStringList Spellings(QStringList names, const QString& wanted) {
    QStringList found;
    names.sort();
    for (const QString& n : names)
        if (n.compare(wanted, Qt::CaseInsensitive) == 0)
            found.append(n);
    if (found.removeAll(wanted) > 0)
        found.prepend(wanted);
    return found;
}

// A value typed into the file by hand may hold commas without quotes; the file format then reads it
// as a list, which is still the one text the user wrote.
std::string Text(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

} // namespace

SettingsFile::SettingsFile(const QString& application)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application)) {}

SettingsFile::SettingsFile(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

SettingsFile SettingsFile::AtPath(const QString& fileName) {
    return SettingsFile(std::make_unique<QSettings>(fileName, QSettings::IniFormat));
}

QStringList SettingsFile::Groups(const QString& section) {
    return Spellings(settings_->childGroups(), section);
}

QStringList SettingsFile::Keys(const QString& group, const QString& key) {
    settings_->beginGroup(group);
    QStringList found = Spellings(settings_->childKeys(), key);
    settings_->endGroup();
    return found;
}

std::optional<std::string> SettingsFile::Get(const std::string& section, const std::string& key) {
    const QString k = QString::fromStdString(key);
    for (const QString& g : Groups(QString::fromStdString(section))) {
        QStringList stored = Keys(g, k);
        if (!stored.isEmpty())
            return Text(settings_->value(g + "/" + stored.front()));
    }
    return std::nullopt;
}

void SettingsFile::Set(const std::string& section, const std::string& key, const std::string& value) {
    const QString s = QString::fromStdString(section);
    const QString k = QString::fromStdString(key);
    QStringList groups = Groups(s);
    const QString group = groups.isEmpty() ? s : groups.front();
    for (const QString& g : groups)
        for (const QString& other : Keys(g, k))
            if (g != group || other != k)
                settings_->remove(g + "/" + other);
    settings_->setValue(group + "/" + k, QString::fromStdString(value));
}

void SettingsFile::Sync() {
    settings_->sync();
}

QString SettingsFile::FileName() const {
    return settings_->fileName();
}

} // namespace rc
