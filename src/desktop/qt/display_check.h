#pragma once

// The window forms of both programs need a display; their commands need none. Where no display can
// be opened the program says so, and which commands would run, and ends with exit status 2: left to
// itself the window system would abort the program with a core dump.

#include <string>

namespace rc {

class DisplayCheck {
public:
    // `program` heads the message ("rcedit"); `needNone`, its second line, names the commands that
    // need no display.
    DisplayCheck(std::string program, std::string needNone);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // False, with the message said, when the environment names no display: neither DISPLAY nor
    // WAYLAND_DISPLAY is set, and no platform is chosen with QT_QPA_PLATFORM (offscreen, say).
    bool DisplayNamed() const;
    // Until Opened(), a window system that cannot open the display it was given ends the program
    // with the message and exit status 2.
    void Opened();

private:
    bool watching_ = false;
};

} // namespace rc
