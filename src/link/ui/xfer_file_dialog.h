#pragma once

#include "link/transfer_models.h"

#include <QStringList>

class QWidget;

namespace rc::link {

// The transfer's file dialog on QFileDialog.
class QtFileDialog : public IFileDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::string> Show(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};

// "Text|pattern|Text|pattern" as the dialog's name filters: "Text (pattern)".
QStringList NameFilters(const std::string& filter);

// The dialog the transfer commands ask with: the Qt one, unless a test has put its own in place
// (nullptr puts the Qt one back).
void SetTransferFileDialog(IFileDialog* dialog);
IFileDialog* TransferFileDialogOverride();

} // namespace rc::link
