#include "shell/qt/switch_tone_commands.h"

#include "editors/qt/frm_ctones.h"
#include "editors/qt/frm_cw_edit.h"
#include "editors/qt/frm_exp.h"
#include "editors/qt/frm_telephone_codes.h"
#include "editors/qt/frm_zones1.h"
#include "image/regions.h"
#include "shell/menu_tree.h"
#include "shell/qt/frm_splash.h"
#include "shell/qt/frm_tip.h"
#include "shell/qt/mdi_form1.h"

#include <QApplication>

namespace rc::shell {

namespace {

// The zones dialog takes a moment to build; the hourglass shows until it appears.
void ShowZones(MDIForm1& form, EditorState& state, const ShellServices& services, int copy, int helpContext) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool busy = true;
    auto normal = [&busy] {
        if (busy)
            QApplication::restoreOverrideCursor();
        busy = false;
    };
    frmZones1 dialog(state, copy, services.help, helpContext, normal, &form);
    dialog.exec();
    normal();
}

} // namespace

void InstallSwitchToneCommands(MDIForm1& form, EditorState& state, const ShellServices& services) {
    const MenuItem* cw = FindMenuItem("mnuCW_1");
    auto* cwEdit = new frmCwEdit(state, services.messages, services.help, cw ? cw->helpContext : 0, &form,
                                 services.sound);
    cwEdit->SetKeying(GetCwKeying(services.settings));
    form.SetCommand("mnuCW_1", [cwEdit, &settings = services.settings](int) {
        cwEdit->exec();
        SaveCwKeying(settings, cwEdit->Keying());
    });

    form.SetCommand("mnuCourtesy", [&form, &state, services](int help) {
        frmCTones dialog(state, services.keypad, services.help, help, &form,
                         {services.sound, &services.messages});
        dialog.exec();
    });
    form.SetCommand("mnuBaseZones", [&form, &state, services](int help) {
        ShowZones(form, state, services, kBaseCopy, help);
    });
    for (int n = 1; n <= kMemorySaveCount; ++n)
        form.SetCommand("mnuG1M" + std::to_string(n), [&form, &state, services, n](int help) {
            ShowZones(form, state, services, n, help);
        });
    form.SetCommand("mnuDVR", [&form, &state, services](int help) {
        frmExp dialog(state, services.help, help, &form);
        dialog.exec();
    });
    form.SetCommand("mnuACode", [&form, &state, services](int help) {
        frmAreaCodes dialog(state, services.keypad, services.help, help, &form);
        dialog.exec();
    });
    form.SetCommand("mnuLockout", [&form, &state, services](int help) {
        frmLockout dialog(state, services.keypad, services.help, help, &form);
        dialog.exec();
    });
    form.SetCommand("mnuUnlock", [&form, &state, services](int help) {
        frmUnlock dialog(state, services.keypad, services.messages, services.help, help, &form);
        dialog.exec();
    });
}

} // namespace rc::shell
