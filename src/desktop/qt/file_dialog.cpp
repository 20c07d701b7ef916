#include "desktop/qt/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace rc {

QString DefaultSuffixOf(const QString& nameFilter) {
    static const QRegularExpression patterns(R"(\(([^()]*)\)\s*$)");
    const QRegularExpressionMatch m = patterns.match(nameFilter);
    const QString first = (m.hasMatch() ? m.captured(1) : nameFilter).split(' ', Qt::SkipEmptyParts).value(0);
    static const QRegularExpression plain(R"(^\*\.([A-Za-z0-9_]+)$)");
    const QRegularExpressionMatch ext = plain.match(first);
    return ext.hasMatch() ? ext.captured(1) : QString();
}

void SetUpFileDialog(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setWindowTitle(options.title);
    if (!options.objectName.isEmpty())
        dialog.setObjectName(options.objectName);
    dialog.setAcceptMode(options.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    if (!options.folder.isEmpty() && QDir(options.folder).exists())
        dialog.setDirectory(options.folder);
    dialog.setNameFilters(options.nameFilters);
    const QString selected = options.nameFilters.value(options.filterIndex - 1, options.nameFilters.value(0));
    dialog.selectNameFilter(selected);
    dialog.setDefaultSuffix(DefaultSuffixOf(selected));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(DefaultSuffixOf(filter)); });
}

std::optional<QString> AskForFile(QWidget* parent, const FileDialogOptions& options) {
    QFileDialog dialog(parent);
    SetUpFileDialog(dialog, options);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace rc
