#include "shell/qt/qt_desktop.h"

#include "shell/system_info.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include <cstdlib>

namespace rc::shell {

bool QtDesktop::OpenWebPage(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

bool QtDesktop::StartSystemInfo() {
    const char* path = std::getenv("PATH");
    std::string tool = FindSystemInfoTool(path ? path : "", SystemInfoTools());
    return !tool.empty() && QProcess::startDetached(QString::fromStdString(tool), {});
}

} // namespace rc::shell
