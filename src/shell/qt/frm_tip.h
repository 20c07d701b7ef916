#pragma once

#include <QDialog>

class QCheckBox;

namespace rc::shell {

// The tip shown at start-up, with the box that turns it off for later runs.
class frmTip : public QDialog {
    Q_OBJECT
public:
    frmTip(int& showTips, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_Click();

    int& showTips_;
    QCheckBox* chkLoadTipsAtStartup_;
    bool centred_ = false;
};

} // namespace rc::shell
