#include "shell/qt/automation_commands.h"

#include "editors/qt/frm_config.h"
#include "editors/qt/frm_macro.h"
#include "editors/qt/frm_sched.h"
#include "editors/qt/frm_user.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"
#include "shell/qt/mdi_form1.h"

#include <QPointer>

#include <memory>

namespace rc::shell {

void InstallAutomationCommands(MDIForm1& window, EditorState& state, const ShellServices& services) {
    MDIForm1* main = &window;
    window.SetCommand("mnuMacros", [main, &state, services](int help) {
        // The grid takes a moment to build; the dialog puts the pointer back when it shows.
        main->setCursor(Qt::WaitCursor);
        frmMacro dialog(state, services.keypad, services.help, help, main);
        dialog.exec();
        main->unsetCursor();
    });
    auto sched = std::make_shared<QPointer<frmsched>>();
    window.SetCommand("mnuSched", [main, &state, services, sched](int help) {
        if (!*sched)
            *sched = new frmsched(state, services.keypad, services.messages, services.help, help, main);
        (*sched)->exec();
    });
    auto user = std::make_shared<QPointer<frmUser>>();
    window.SetCommand("mnuUsers", [main, &state, services, user](int help) {
        if (!*user)
            *user = new frmUser(state, services.keypad, services.help, help, main);
        (*user)->exec();
    });
    window.SetCommand("mnuConfig", [main, &state, services](int help) {
        frmConfig dialog(state, services.help, help, main);
        dialog.exec();
    });
}

} // namespace rc::shell
