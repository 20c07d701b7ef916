#include "shell/qt/qt_file_dialogs.h"

#include "desktop/qt/file_dialog.h"

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

std::optional<std::string> Ask(QWidget* parent, const char* title, const FileDialogSpec& spec, bool save) {
    FileDialogOptions options;
    options.title = title;
    options.nameFilters = ToQtFilter(spec.filter).split(";;");
    options.filterIndex = spec.filterIndex;
    options.folder = QString::fromStdString(spec.folder);
    options.save = save;
    // The save dialog asks before an existing file is replaced.
    options.confirmOverwrite = save;
    std::optional<QString> name = AskForFile(parent, options);
    if (!name || name->isEmpty())
        return std::nullopt;
    return name->toStdString();
}

} // namespace

std::optional<std::string> QtFileDialogs::ShowOpen(const FileDialogSpec& spec) {
    return Ask(parent_, "Open", spec, false);
}

std::optional<std::string> QtFileDialogs::ShowSave(const FileDialogSpec& spec) {
    return Ask(parent_, "Save As", spec, true);
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
