#pragma once

// rcedit's commands without a window, each run from the command its command line was read into
// (editor_command.h): they read the files, make what is asked and write it by the output rules.

#include "cli/editor_command.h"
#include "print/jobs.h"
#include "sound/speech.h"

#include <iosfwd>

namespace rc::cli {

// --export exits 0; --diff 0 when the images are equal in every byte and 1 when they differ.
// Both exit 2 for a refused file or an output that cannot be written.
int RunExportCommand(const ExportCommand& command, std::ostream& out, std::ostream& err);
int RunDiffCommand(const DiffCommand& command, std::ostream& out, std::ostream& err);

// Writes NEW, or IMAGE itself when no --output is given and a setting changed. Exit 0 done; 2 a refused
// file or line (nothing is written then), an --output that is one of the input files or not an
// image's name, or an output that cannot be written.
int RunImportCommand(const ImportCommand& command, std::ostream& err);

// Exit 0 when nothing is found, 1 with findings, 2 for a refused file or an output that cannot be
// written.
int RunCheckCommand(const CheckCommand& command, std::ostream& out, std::ostream& err);

// Exit 0 done, 1 the output could not be written, 2 a refused file. `pdf` draws a PDF; without it
// only text is made.
int RunReportCommand(const ReportCommand& command, std::ostream& out, std::ostream& err,
                     print::IPdfReports* pdf = nullptr);

// Exit 0 written, 1 the sound or the file could not be made, 2 a refused file.
int RunSoundCommand(const SoundCommand& command, std::ostream& out, std::ostream& err,
                    const sound::SpeechMoment& moment = sound::LocalNow());

} // namespace rc::cli
