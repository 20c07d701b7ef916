#include "link/help_pages.h"

namespace rc::link {

const HelpBook& LinkHelp() {
    static const HelpBook book{
        "HaldenLink Help",
        ":/rclink/help/",
        {
            {"index.html", "Contents", {kAboutHelp}, {"contents", "overview", "HaldenLink"}},
            {"terminal.html",
             "The terminal window",
             {kTerminalHelp},
             {"terminal", "keyboard", "typing", "Clear Screen", "status bar", "clock"}},
            {"comm_setup.html",
             "Communications Setup",
             {kCommSetupHelp},
             {"Comm Setup", "port", "device", "baud", "speed", "parity", "data bits", "stop bits", "DTR",
              "RTS", "serial port"}},
            {"program_setup.html",
             "Program Setup",
             {kProgramSetupHelp},
             {"Program Setup", "init string", "modem initialization", "telephone number", "call waiting",
              "repeater files", "model"}},
            {"dialing.html",
             "Dialing and hanging up",
             {},
             {"Dial Repeater", "dialing", "ATDT", "hang up", "Disconnect", "ATH", "escape"}},
            {"transfers.html",
             "Uploading and downloading",
             {kTransferHelp},
             {"Upload", "Download", "XMODEM", "transfer", "file size", "settings image"}},
            {"errors.html",
             "Error messages",
             {},
             {"Error #101", "Error #102", "Error #900", "port in use", "dialout", "permission",
              "Port must be open"}},
        }};
    return book;
}

} // namespace rc::link
