#pragma once

#include <string>
#include <vector>

namespace rc::shell {

struct EditorOptions {
    bool splash = true;
    std::string file;  // opened at start when not empty
    std::string error; // why the arguments were refused
};

// --no-splash and an optional image file.
EditorOptions ParseEditorOptions(const std::vector<std::string>& args);

// The editor with its windows: the splash, the main window, the tip, until the main window closes.
// Returns the exit status. A second copy started while one runs ends at once with status 0.
int RunEditor(int argc, char** argv);

} // namespace rc::shell
