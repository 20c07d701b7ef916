#pragma once

#include <span>
#include <string>

namespace rc::shell {

enum class MenuKind {
    Menu,      // a menu or submenu; its items follow with `parent` naming it
    Command,   // an item that runs a command
    Separator, // a line between items
};

// One entry of the main window's menu bar, in the order it is shown.
struct MenuItem {
    const char* name;    // control name, also the Qt objectName
    const char* caption; // with '&' before the access key
    const char* parent;  // "" for the menu bar
    MenuKind kind;
    int helpContext; // given to the dialog it opens; 0 for none
    bool needsImage; // disabled until an image file is open
};

// The whole menu tree of the editor's main window.
std::span<const MenuItem> MenuTree();
// The entry called `name`, or nullptr.
const MenuItem* FindMenuItem(const std::string& name);

inline constexpr const char* kWebAddress = "https://www.halden-controls.example/r8/";

} // namespace rc::shell
