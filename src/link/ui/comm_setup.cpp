#include "link/ui/comm_setup.h"

#include "link/ui/dialog_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rc::link {

namespace {
constexpr const char* kPortNames[] = {"OptComm1", "OptComm2", "OptComm3", "OptComm4"};
constexpr const char* kPortCaptions[] = {"Comm1", "Comm2", "Comm3", "Comm4"};
constexpr const char* kBaudNames[] = {"Opt300", "Opt1200", "Opt2400", "Opt4800", "Opt9600"};
constexpr const char* kBaudCaptions[] = {"300", "1200", "2400", "4800", "9600"};
constexpr const char* kBitsNames[] = {"Opt7Bits", "Opt8Bits"};
constexpr const char* kBitsCaptions[] = {"7 Bits", "8 Bits"};
constexpr const char* kParityNames[] = {"OptNone", "OptOdd", "OptEven"};
constexpr const char* kParityCaptions[] = {"None", "Odd", "Even"};
constexpr const char* kStopNames[] = {"OptStop1", "OptStop2"};
constexpr const char* kStopCaptions[] = {"1", "2"};
} // namespace

CommSetup::CommSetup(const LinkSettings& settings, const QStringList& ports, QWidget* parent)
    : QDialog(parent), pending_(CommSetupChoice::FromSettings(settings)), original_(settings.devices) {
    setObjectName("CommSetup");
    setWindowTitle("Communications Setup");
    setModal(true);

    auto* grid = new QGridLayout;
    port_ = AddFrame("Port", kPortNames, kPortCaptions, 4, pending_.port, grid, 0, 0);
    // The device behind each Comm option, beside it.
    auto* portBox = qobject_cast<QGroupBox*>(grid->itemAtPosition(0, 0)->widget());
    auto* portGrid = qobject_cast<QGridLayout*>(portBox->layout());
    for (int i = 0; i < kCommPorts; ++i) {
        deviceLabels_[i] = new QLabel(QString::fromStdString(pending_.devices[i]));
        deviceLabels_[i]->setObjectName(QString("lblDevice_%1").arg(i + 1));
        portGrid->addWidget(deviceLabels_[i], i, 1);
    }
    lblDevice_ = new QLabel;
    lblDevice_->setObjectName("lblDevice");
    cboDevice_ = new QComboBox;
    cboDevice_->setObjectName("cboDevice");
    cboDevice_->setEditable(true);
    cboDevice_->setInsertPolicy(QComboBox::NoInsert);
    cboDevice_->addItems(ports);
    cboDevice_->setMinimumContentsLength(18);
    lblDevice_->setBuddy(cboDevice_);
    portGrid->addWidget(lblDevice_, kCommPorts, 0, 1, 2);
    portGrid->addWidget(cboDevice_, kCommPorts + 1, 0, 1, 2);

    baud_ = AddFrame("Baud Rate", kBaudNames, kBaudCaptions, 5, pending_.baud, grid, 0, 1);
    bits_ = AddFrame("Data Bits", kBitsNames, kBitsCaptions, 2, pending_.bits, grid, 0, 2);
    parity_ = AddFrame("Parity", kParityNames, kParityCaptions, 3, pending_.parity, grid, 1, 1);
    stop_ = AddFrame("Stop Bits", kStopNames, kStopCaptions, 2, pending_.stop, grid, 1, 2);

    check1_ = new QCheckBox(" Set DTR line high");
    check1_->setObjectName("Check1");
    check1_->setChecked(pending_.dtr);
    check2_ = new QCheckBox(" Set RTS line high");
    check2_->setObjectName("Check2");
    check2_->setChecked(pending_.rts);
    auto* lines = new QVBoxLayout;
    lines->addWidget(check1_);
    lines->addWidget(check2_);
    grid->addLayout(lines, 1, 0);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(OkCancelRow(this));

    connect(port_, &QButtonGroup::idClicked, this, &CommSetup::ShowDeviceOf);
    connect(cboDevice_, &QComboBox::currentTextChanged, this, &CommSetup::DeviceEdited);
    ShowDeviceOf(pending_.port);
}

QButtonGroup* CommSetup::AddFrame(const char* title, const char* const names[], const char* const captions[],
                                  int count, int selected, QGridLayout* grid, int row, int column) {
    auto* box = new QGroupBox(title);
    auto* layout = new QGridLayout(box);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < count; ++i) {
        auto* option = new QRadioButton(captions[i]);
        option->setObjectName(names[i]);
        group->addButton(option, i);
        layout->addWidget(option, i, 0);
    }
    if (selected >= 0)
        group->button(selected)->setChecked(true);
    grid->addWidget(box, row, column);
    return group;
}

void CommSetup::ShowDeviceOf(int port) {
    showing_ = true;
    bool valid = port >= 0 && port < kCommPorts;
    lblDevice_->setText(valid ? QString("&Device of Comm%1:").arg(port + 1) : QString("&Device:"));
    cboDevice_->setEnabled(valid);
    cboDevice_->setCurrentText(valid ? QString::fromStdString(pending_.devices[port]) : QString());
    showing_ = false;
}

void CommSetup::DeviceEdited(const QString& text) {
    int port = port_->checkedId();
    if (showing_ || port < 0 || port >= kCommPorts)
        return;
    pending_.devices[port] = text.trimmed().toStdString();
    deviceLabels_[port]->setText(text.trimmed());
}

CommSetupChoice CommSetup::Choice() const {
    CommSetupChoice c = pending_;
    // A cleared device box means "as it was", never "no device".
    for (int i = 0; i < kCommPorts; ++i)
        if (c.devices[i].empty())
            c.devices[i] = original_[i];
    c.port = port_->checkedId();
    c.baud = baud_->checkedId();
    c.bits = bits_->checkedId();
    c.parity = parity_->checkedId();
    c.stop = stop_->checkedId();
    c.dtr = check1_->isChecked();
    c.rts = check2_->isChecked();
    return c;
}

} // namespace rc::link
