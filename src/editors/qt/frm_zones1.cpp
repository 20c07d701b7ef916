#include "editors/qt/frm_zones1.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rc {

frmZones1::frmZones1(EditorState& state, int copy, IHelp* help, int helpContext, std::function<void()> shown,
                     QWidget* parent)
    : ShowingDialog(help, helpContext, parent), state_(state), zones_(ZonesStart(copy)),
      shown_(std::move(shown)) {
    setObjectName("frmZones1");
    setWindowTitle(QString::fromStdString(ZonesCaption(zones_)));
    auto* layout = new QVBoxLayout(this);
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName("SSTab1");
    SSTab1_->setUsesScrollButtons(false); // all eight zones in sight
    for (int k = 1; k <= kZoneCount; ++k) {
        auto* page = new QWidget(SSTab1_);
        page->setObjectName(QString("Zone%1").arg(k));
        auto* pageLayout = new QVBoxLayout(page);
        for (int i = 0; i < kZoneSwitches; ++i) {
            auto* box = new QCheckBox(QString::fromStdString(ZoneCaption(k, i)), page);
            box->setObjectName(QString("chkZ%1_%2").arg(k).arg(i));
            pageLayout->addWidget(box);
            chkZ_[k - 1][i] = box;
        }
        SSTab1_->addTab(page, QString("Zone %1").arg(k));
    }
    layout->addWidget(SSTab1_);
    cmdOK_ = MakeOkButton(this, [this] {
        SaveGroup1();
        accept();
    });
    layout->addWidget(cmdOK_, 0, Qt::AlignCenter);
    connect(SSTab1_, &QTabWidget::currentChanged, this, &frmZones1::TabChanged);
    DisplayGroup1();
}

void frmZones1::DisplayGroup1() {
    const ZoneChecks checks = rc::DisplayGroup1(state_.image, zones_);
    for (int k = 0; k < kZoneCount; ++k)
        for (int i = 0; i < kZoneSwitches; ++i)
            chkZ_[k][i]->setChecked(checks[k][i]);
}

ZoneChecks frmZones1::Checks() const {
    ZoneChecks checks{};
    for (int k = 0; k < kZoneCount; ++k)
        for (int i = 0; i < kZoneSwitches; ++i)
            checks[k][i] = chkZ_[k][i]->isChecked();
    return checks;
}

void frmZones1::SaveGroup1() {
    rc::SaveGroup1(state_.image, zones_, Checks());
}

// The controller's own editor writes on a tab change only once the tab being left is not the one
// it last wrote from, so the first move away from "Zone 1" writes nothing.
void frmZones1::TabChanged(int index) {
    const int leaving = currentTab_;
    currentTab_ = index;
    if (leaving == rememberedTab_)
        return;
    rememberedTab_ = leaving;
    SaveGroup1();
}

void frmZones1::ShowFresh() {
    if (shown_)
        shown_();
    DisplayGroup1();
    cmdOK_->setFocus();
}

} // namespace rc
