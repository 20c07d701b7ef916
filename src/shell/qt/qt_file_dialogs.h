#pragma once

#include "shell/editor_settings.h"
#include "shell/file_commands.h"

#include <QString>

class QWidget;

namespace rc::shell {

// "Halden R8 File(s) *.HR8)|*.HR8" as a file dialog filter. File names are case-sensitive here while
// the editor accepts the extension in any case, so the lower-case pattern is offered too.
QString ToQtFilter(const std::string& filter);

// The desktop's open and save dialogs.
class QtFileDialogs : public IFileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> ShowOpen(const FileDialogSpec& spec) override;
    std::optional<std::string> ShowSave(const FileDialogSpec& spec) override;

private:
    QWidget* parent_;
};

// The font dialog, preset to the printer font.
class QtFontPicker : public IFontPicker {
public:
    explicit QtFontPicker(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<FontChoice> PickFont(const FontChoice& preset) override;

private:
    QWidget* parent_;
};

} // namespace rc::shell
