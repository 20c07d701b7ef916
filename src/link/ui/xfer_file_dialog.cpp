#include "link/ui/xfer_file_dialog.h"

#include "desktop/qt/file_dialog.h"

#include <QFile>

namespace rc::link {

namespace {
IFileDialog* g_override = nullptr;
}

QStringList NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i] + " (" + parts[i + 1] + ")");
    return filters;
}

std::optional<std::string> QtFileDialog::Show(const FileDialogRequest& request) {
    FileDialogOptions options;
    options.title = QString::fromStdString(request.title);
    options.objectName = "CommonDialog1";
    options.nameFilters = NameFilters(request.filter);
    options.filterIndex = request.filterIndex;
    options.folder = QFile::decodeName(QByteArray::fromStdString(request.folder));
    options.save = request.save;
    // The dialog has no read-only box to hide; the overwrite question is the one flag that matters.
    options.confirmOverwrite = (request.flags & kOverwritePrompt) != 0;
    std::optional<QString> name = AskForFile(parent_, options);
    if (!name)
        return std::nullopt;
    return QFile::encodeName(*name).toStdString();
}

void SetTransferFileDialog(IFileDialog* dialog) {
    g_override = dialog;
}

IFileDialog* TransferFileDialogOverride() {
    return g_override;
}

} // namespace rc::link
