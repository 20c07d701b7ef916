#include "shell/help_topics.h"

namespace rc::shell {

const HelpBook& EditorHelp() {
    static const std::vector<HelpPage> pages = {
        {"contents.html", "Contents", {kContentsContext}, {"contents", "help"}},
        {"main.html",
         "The Main Window",
         {kMainWindowContext},
         {"main window", "menus", "status bar", "Mod", "modified", "recent files", "printer font", "tips"}},
        {"files.html",
         "Opening and Saving Image Files",
         {},
         {"open", "save", "save as", "image file", ".HR8", "read only", "save alert", "file save alert",
          "filename error", "unsaved changes", "download", "upload"}},
        {"keypad.html",
         "Entering Values on the Keypad",
         {kKeyPadContext},
         {"keypad", "DTMF digits", "entry", "clear", "cancel", "delay", "digits"}},
        {"codes.html",
         "Access Codes",
         {200, 201},
         {"codes", "access codes", "control operator", "autopatch access", "autopatch disconnect",
          "speed dial prefix", "DTMF access", "memory recall", "time request", "memory save codes"}},
        {"timers.html",
         "Timers",
         {300, 301},
         {"timers", "time-out", "repeater ID", "squelch tail", "autopatch length", "DTMF window", "tenths",
          "minutes and seconds", "memory save timers"}},
        {"stats.html", "Repeater Statistics", {104}, {"statistics", "counters"}},
        {"flush.html", "Flush Memory", {105}, {"flush", "erase"}},
        {"print.html", "Printing", {106}, {"print", "reports"}},
        {"unlock.html", "Unlock Number", {302}, {"unlock", "unlock code", "programming code"}},
        {"voice.html", "Voice Messages", {400, 401}, {"voice", "messages", "synthesizer", "word dialog"}},
        {"cw.html", "CW Identification", {402}, {"CW", "identifier", "morse", "call sign", "prosign"}},
        {"macros.html", "Macros", {500}, {"macros"}},
        {"scheduler.html", "Scheduler", {501}, {"scheduler", "events"}},
        {"userinputs.html", "User Inputs", {502}, {"user inputs", "hardware inputs"}},
        {"zones.html",
         "Zones",
         {700, 701},
         {"zones", "function switches", "transmitter enable", "memory save zones"}},
        {"speeddial.html", "Speed Dial", {800, 801}, {"speed dial", "emergency", "identification", "pause"}},
        {"lockout.html", "Telephone Lockout Numbers", {802}, {"lockout", "blocked numbers"}},
        {"predial.html", "Pre-Dial Number", {803}, {"pre-dial"}},
        {"areacodes.html", "Area Codes", {804}, {"area codes", "area code look-up"}},
        {"courtesy.html", "Courtesy Tones", {900}, {"courtesy tones", "beep", "tones"}},
        {"switches.html", "Expanded Switches", {902}, {"expanded switches", "switches", "DVR", "lamps"}},
        {"memory.html", "Memory Configuration", {906}, {"memory configuration", "memory saves"}},
        {"config.html", "Repeater Configuration", {907}, {"configuration", "option flags"}},
        {"about.html", "About the Editor", {kAboutContext}, {"version", "system information"}},
    };
    static const HelpBook book{"Halden R8 Editor Help", ":/help/", pages};
    return book;
}

} // namespace rc::shell
