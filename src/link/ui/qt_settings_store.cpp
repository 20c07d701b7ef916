#include "link/ui/qt_settings_store.h"

#include <QStringList>

namespace rc::link {

namespace {

QString Find(const QStringList& names, const QString& name) {
    if (names.contains(name))
        return name;
    for (const QString& n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

// A value typed into the file by hand may hold commas (a dial pause) without quotes; the file
// format then reads it as a list, which is still the one text the user wrote.
std::string Text(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(QSettings::IniFormat, QSettings::UserScope, "HaldenLink") {}

QtSettingsStore::QtSettingsStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat) {}

QString QtSettingsStore::FindGroup(const QString& section) {
    return Find(settings_.childGroups(), section);
}

QString QtSettingsStore::FindKey(const QString& group, const QString& key) {
    settings_.beginGroup(group);
    QString found = Find(settings_.childKeys(), key);
    settings_.endGroup();
    return found;
}

std::string QtSettingsStore::Get(const std::string& section, const std::string& key) {
    const QString s = QString::fromStdString(section);
    const QString k = QString::fromStdString(key);
    // The exact spelling first, then any other spelling of the same section that holds the key.
    QStringList groups;
    for (const QString& g : settings_.childGroups())
        if (g.compare(s, Qt::CaseInsensitive) == 0)
            groups.append(g);
    groups.sort();
    if (groups.removeAll(s) > 0)
        groups.prepend(s);
    for (const QString& g : groups) {
        QString found = FindKey(g, k);
        if (!found.isEmpty())
            return Text(settings_.value(g + "/" + found));
    }
    return {};
}

void QtSettingsStore::Set(const std::string& section, const std::string& key, const std::string& value) {
    const QString s = QString::fromStdString(section);
    const QString k = QString::fromStdString(key);
    QString group = FindGroup(s);
    if (group.isEmpty())
        group = s;
    QString stored = FindKey(group, k);
    if (stored.isEmpty())
        stored = k;
    settings_.setValue(group + "/" + stored, QString::fromStdString(value));
    // One value per setting: the same key under another spelling of the section would shadow it.
    for (const QString& g : settings_.childGroups()) {
        if (g == group || g.compare(s, Qt::CaseInsensitive) != 0)
            continue;
        QString other = FindKey(g, k);
        if (!other.isEmpty())
            settings_.remove(g + "/" + other);
    }
}

void QtSettingsStore::Flush() {
    settings_.sync();
}

} // namespace rc::link
