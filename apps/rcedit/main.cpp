#include "cli/editor_command.h"
#include "cli/run_commands.h"
#include "print/qt/pdf_reports.h"
#include "shell/history.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/qt/rcedit_app.h"

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

// The printer font the print dialog would use, from the editor's settings.
rc::print::PrinterFont SettingsPrinterFont() {
    rc::shell::QtSettingsStore store;
    const rc::shell::EditorSettings settings = rc::shell::GetRegistry(store);
    return {QString::fromStdString(settings.PrintFontName), rc::shell::FontSizeValue(settings.PrintFontSize)};
}

template <typename... Run> struct Dispatch : Run... { using Run::operator()...; };

} // namespace

int main(int argc, char** argv) {
    using namespace rc::cli;
    // The command line is read once, before any window: a mistyped option is refused, and every
    // command but the window runs, where no display can be opened.
    const EditorCommand command =
        ParseEditorCommand(std::vector<std::string>(argv, argv + argc), ::isatty(STDOUT_FILENO) == 1);
    std::ostream& out = std::cout;
    std::ostream& err = std::cerr;
    return std::visit(Dispatch{
                          [&](const Answer& a) { return (out << a.text).flush() ? 0 : 1; },
                          [&](const Refused& r) { return (err << r.text, r.status); },
                          [&](const WindowCommand& c) { return rc::shell::RunEditor(argc, argv, c); },
                          [&](const ReportCommand& c) {
                              rc::print::PdfReports pdf(SettingsPrinterFont);
                              return RunReportCommand(c, out, err, &pdf);
                          },
                          [&](const ExportCommand& c) { return RunExportCommand(c, out, err); },
                          [&](const DiffCommand& c) { return RunDiffCommand(c, out, err); },
                          [&](const ImportCommand& c) { return RunImportCommand(c, err); },
                          [&](const CheckCommand& c) { return RunCheckCommand(c, out, err); },
                          [&](const HistoryCommand& c) { return rc::shell::RunHistoryCommand(c, out, err); },
                          [&](const SoundCommand& c) { return RunSoundCommand(c, out, err); },
                      },
                      command);
}
