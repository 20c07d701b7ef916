#pragma once

#include "editors/qt/showing_dialog.h"
#include "editors/zones.h"
#include "image/editor_state.h"

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace rc {

// The zone table of one copy (0 base, 1 to 4 a memory save): eight tabs of eight switches. Ticks reach the
// image on the tab changes the table describes and on OK.
class frmZones1 : public ShowingDialog {
    Q_OBJECT
public:
    // `shown` runs at each showing: the menu command's busy pointer ends there.
    frmZones1(EditorState& state, int copy, IHelp* help, int helpContext, std::function<void()> shown = {},
              QWidget* parent = nullptr);

    void DisplayGroup1();
    void SaveGroup1();

protected:
    void ShowFresh() override;

private:
    void TabChanged(int index);
    ZoneChecks Checks() const;

    EditorState& state_;
    const int zones_; // the table's image offset
    std::function<void()> shown_;
    QTabWidget* SSTab1_ = nullptr;
    std::array<std::array<QCheckBox*, kZoneSwitches>, kZoneCount> chkZ_{};
    QPushButton* cmdOK_ = nullptr;
    int rememberedTab_ = 0;
    int currentTab_ = 0;
};

} // namespace rc
