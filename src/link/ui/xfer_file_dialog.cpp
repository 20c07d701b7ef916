#include "link/ui/xfer_file_dialog.h"

#include <QFile>
#include <QFileDialog>

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
    QFileDialog dialog(parent_, QString::fromStdString(request.title));
    dialog.setObjectName("CommonDialog1");
    const QStringList filters = NameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog has no read-only box to hide; the overwrite question is the one flag that matters.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & kOverwritePrompt) == 0);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

void SetTransferFileDialog(IFileDialog* dialog) {
    g_override = dialog;
}

IFileDialog* TransferFileDialogOverride() {
    return g_override;
}

} // namespace rc::link
