#include "shell/qt/qt_file_dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

namespace rc::shell {

QString ToQtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QString description = parts.value(0);
    QStringList patterns = parts.value(1, "*").split(';', Qt::SkipEmptyParts);
    QStringList all = patterns;
    for (const QString& p : patterns)
        if (p.toLower() != p && !all.contains(p.toLower()))
            all << p.toLower();
    return description + " (" + all.join(' ') + ")";
}

namespace {

std::optional<std::string> Chosen(const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

// Every filter of a dialog, so the filter index picks one.
QString SelectedFilter(const FileDialogSpec& spec, const QString& filters) {
    QStringList list = filters.split(";;");
    return list.value(spec.filterIndex - 1, list.value(0));
}

} // namespace

std::optional<std::string> QtFileDialogs::ShowOpen(const FileDialogSpec& spec) {
    QString filters = ToQtFilter(spec.filter);
    QString selected = SelectedFilter(spec, filters);
    return Chosen(QFileDialog::getOpenFileName(parent_, "Open", QString::fromStdString(spec.folder), filters,
                                               &selected));
}

std::optional<std::string> QtFileDialogs::ShowSave(const FileDialogSpec& spec) {
    QString filters = ToQtFilter(spec.filter);
    QString selected = SelectedFilter(spec, filters);
    // The dialog asks before an existing file is replaced.
    return Chosen(QFileDialog::getSaveFileName(parent_, "Save As", QString(), filters, &selected));
}

std::optional<FontChoice> QtFontPicker::PickFont(const FontChoice& preset) {
    QFont initial(QString::fromStdString(preset.name));
    initial.setPointSizeF(preset.size);
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, initial, parent_, "Font");
    if (!ok)
        return std::nullopt;
    return FontChoice{font.family().toStdString(), font.pointSizeF() > 0 ? font.pointSizeF() : preset.size};
}

} // namespace rc::shell
