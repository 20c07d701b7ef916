#pragma once

#include "link/link_session.h"
#include "link/link_settings.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace rc::link {

// "Communications Setup": the port, its device, speed, framing and modem lines. OK hands back the
// choice; the caller applies it.
class CommSetup : public QDialog {
    Q_OBJECT
public:
    // `ports` are the devices offered in the list (the system's serial ports); any path may be typed.
    CommSetup(const LinkSettings& settings, const QStringList& ports, QWidget* parent = nullptr);

    CommSetupChoice Choice() const;

private:
    QButtonGroup* AddFrame(const char* title, const char* const names[], const char* const captions[],
                           int count, int selected, QGridLayout* grid, int row, int column);
    void ShowDeviceOf(int port);
    void DeviceEdited(const QString& text);

    CommSetupChoice pending_;
    std::array<std::string, kCommPorts> original_;
    QButtonGroup* port_ = nullptr;
    QButtonGroup* baud_ = nullptr;
    QButtonGroup* bits_ = nullptr;
    QButtonGroup* parity_ = nullptr;
    QButtonGroup* stop_ = nullptr;
    std::array<QLabel*, kCommPorts> deviceLabels_{};
    QLabel* lblDevice_ = nullptr;
    QComboBox* cboDevice_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    bool showing_ = false;
};

} // namespace rc::link
