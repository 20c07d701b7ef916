#include "desktop/qt/settings_file.h"

#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <sys/stat.h>

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

// Something other than a file under the settings' name (a FIFO, a device, a folder) would block
// or fail every read at start-up.
bool IsNoFile(const QString& fileName) {
    struct stat info {};
    return ::stat(QFile::encodeName(fileName).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

} // namespace

SettingsFile::SettingsFile(const QString& application) {
    const QString usual =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + application + ".ini";
    if (IsNoFile(usual))
        UseScratch(usual);
    else
        settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application);
}

SettingsFile::SettingsFile(const QString& fileName, bool) {
    if (IsNoFile(fileName))
        UseScratch(fileName);
    else
        settings_ = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
}

SettingsFile SettingsFile::AtPath(const QString& fileName) {
    return SettingsFile(fileName, true);
}

void SettingsFile::UseScratch(const QString& fileName) {
    std::fprintf(stderr, "%s is not a file: settings start empty and are not kept\n",
                 QFile::encodeName(fileName).constData());
    scratch_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<QSettings>(scratch_->filePath("settings.ini"), QSettings::IniFormat);
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
