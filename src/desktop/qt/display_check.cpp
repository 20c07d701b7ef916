#include "desktop/qt/display_check.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace rc {

namespace {

std::string gProgram, gNeedNone;
QtMessageHandler gPrevious = nullptr;

std::string Set(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void SayNoDisplay(const std::string& why) {
    std::fprintf(stderr, "%s: no display could be opened (%s).\n%s\n", gProgram.c_str(), why.c_str(),
                 gNeedNone.c_str());
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        if (gPrevious)
            gPrevious(type, context, text);
        return;
    }
    // The only fatal message before the application stands is the one about its platform.
    std::string why;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
        if (!Set(name).empty())
            why += std::string(why.empty() ? "" : ", ") + name + "=" + Set(name);
    SayNoDisplay(why);
    std::_Exit(2);
}

} // namespace

DisplayCheck::DisplayCheck(std::string program, std::string needNone) {
    gProgram = std::move(program);
    gNeedNone = std::move(needNone);
    gPrevious = qInstallMessageHandler(OnMessage);
    watching_ = true;
}

DisplayCheck::~DisplayCheck() {
    Opened();
}

bool DisplayCheck::DisplayNamed() const {
    if (!Set("QT_QPA_PLATFORM").empty() || !Set("DISPLAY").empty() || !Set("WAYLAND_DISPLAY").empty())
        return true;
    SayNoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
    return false;
}

void DisplayCheck::Opened() {
    if (watching_)
        qInstallMessageHandler(gPrevious);
    watching_ = false;
}

} // namespace rc
