#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QFileDialog;
class QWidget;

namespace rc {

// What both programs ask their file dialogs for.
struct FileDialogOptions {
    QString title;
    QStringList nameFilters; // "Text (*.HR8 *.hr8)"
    int filterIndex = 1;     // 1 for the first filter
    QString folder;          // where the dialog starts; empty: the working folder
    bool save = false;       // a save dialog, else an open dialog for an existing file
    bool confirmOverwrite = true;
    QString objectName;
};

// The extension a name typed without one is given under `nameFilter`: "HR8" for "Text (*.HR8 *.hr8)".
// Empty when the filter's first pattern is no single plain extension ("*.HK?", "*").
QString DefaultSuffixOf(const QString& nameFilter);

// Sets up `dialog` so that a bare name takes the extension of the filter chosen, whichever one the
// user switches to.
void SetUpFileDialog(QFileDialog& dialog, const FileDialogOptions& options);

// Runs the dialog modally: the chosen path, or nothing when the user cancelled.
std::optional<QString> AskForFile(QWidget* parent, const FileDialogOptions& options);

} // namespace rc
