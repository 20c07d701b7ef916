#include "print/listing_cli.h"
#include "print/qt/pdf_reports.h"
#include "print/report_cli.h"
#include "shell/command_line.h"
#include "shell/history.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/qt/rcedit_app.h"
#include "sound/sound_cli.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The printer font the print dialog would use, from the editor's settings.
rc::print::PrinterFont SettingsPrinterFont() {
    rc::shell::QtSettingsStore store;
    const rc::shell::EditorSettings settings = rc::shell::GetRegistry(store);
    return {QString::fromStdString(settings.PrintFontName), rc::shell::FontSizeValue(settings.PrintFontSize)};
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    // Every option is checked, and --help and --version answered, before any window: a mistyped
    // option is refused even where no display can be opened.
    if (const std::optional<int> status = rc::shell::AnswerEditorCommandLine(args, std::cout, std::cerr))
        return *status;
    // The command line reports run anywhere, with no display, so they come before any window.
    if (rc::sound::IsSoundInvocation(args))
        return rc::sound::RunSoundCommand(args, std::cout, std::cerr);
    if (rc::print::IsListingInvocation(args))
        return rc::print::RunListingCommand(args, std::cout, std::cerr);
    if (rc::shell::IsHistoryInvocation(args))
        return rc::shell::RunHistoryCommand(args, std::cout, std::cerr);
    if (rc::print::IsHeadlessInvocation(args)) {
        rc::print::PdfReports pdf(SettingsPrinterFont);
        return rc::print::RunReportCommand(args, std::cout, std::cerr, &pdf);
    }
    return rc::shell::RunEditor(argc, argv);
}
