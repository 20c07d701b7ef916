#pragma once

class QWidget;

namespace rc {

// Every top-level window of the program, dialogs and message boxes included, is kept at least as
// wide as its title needs, so the title bar never cuts the caption, and inside the available area
// of its screen. Installed once for the whole application; later calls do nothing.
void FitWindowsToTitles();

// The width a window needs for its title: the caption in the bold of the larger of the desktop's
// and the window's font, and room for the icon and the title bar's three buttons.
int TitleBarWidth(const QWidget* window);

} // namespace rc
