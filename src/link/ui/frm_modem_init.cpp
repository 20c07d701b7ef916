#include "link/ui/frm_modem_init.h"

#include "link/ui/dialog_buttons.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rc::link {

namespace {
constexpr const char* kModelNames[] = {"OptR6", "optR8", "optM4", "optK9"};
constexpr const char* kModelIndex[] = {"1", "2", "3", "4"};
} // namespace

frmModemInit::frmModemInit(const LinkSettings& settings, QWidget* parent)
    : QDialog(parent), setup_(ProgramSetup::FromSettings(settings)) {
    setObjectName("frmModemInit");
    setWindowTitle("Program Setup");
    setModal(true);

    auto* top = new QVBoxLayout(this);
    auto* lblInit = new QLabel("Modem Initialization String");
    txtModemInit_ = new QLineEdit(QString::fromStdString(setup_.modemInit));
    txtModemInit_->setObjectName("txtModemInit");
    lblInit->setBuddy(txtModemInit_);
    auto* lblNumber = new QLabel("Repeater Telephone Number");
    txtTelNumber_ = new QLineEdit(QString::fromStdString(setup_.telNumber));
    txtTelNumber_->setObjectName("txtTelNumber");
    lblNumber->setBuddy(txtTelNumber_);
    top->addWidget(lblInit);
    top->addWidget(txtModemInit_);
    top->addWidget(lblNumber);
    top->addWidget(txtTelNumber_);

    auto* frame = new QGroupBox("Type Repeater Files");
    auto* frameLayout = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        models_[i] = new QRadioButton(QString::fromStdString(ModelDisplayText(kModelIndex[i])));
        models_[i]->setObjectName(kModelNames[i]);
        group->addButton(models_[i], i);
        frameLayout->addWidget(models_[i]);
        const std::string index = kModelIndex[i];
        connect(models_[i], &QRadioButton::clicked, this, [this, index] { ModelClicked(index); });
    }
    models_[std::stoi(setup_.pendingModel) - 1]->setChecked(true);
    top->addWidget(frame);

    chkAppend_ = new QCheckBox("Append Modem Init String.");
    chkAppend_->setObjectName("chkAppend");
    chkAppend_->setChecked(setup_.AppendChecked());
    connect(chkAppend_, &QCheckBox::clicked, this, &frmModemInit::AppendClicked);
    chkCallWait_ = new QCheckBox("Disable Call Waiting before Dialing");
    chkCallWait_->setObjectName("chkCallWait");
    chkCallWait_->setChecked(setup_.CallWaitChecked());
    connect(chkCallWait_, &QCheckBox::clicked, this, &frmModemInit::CallWaitClicked);
    top->addWidget(chkAppend_);
    top->addWidget(chkCallWait_);

    label3_ = new QLabel("Call Waiting Disable String");
    label3_->setObjectName("Label3");
    cmbCallWait_ = new QComboBox;
    cmbCallWait_->setObjectName("cmbCallWait");
    cmbCallWait_->setEditable(true);
    cmbCallWait_->setInsertPolicy(QComboBox::NoInsert);
    label3_->setBuddy(cmbCallWait_);
    top->addWidget(label3_);
    top->addWidget(cmbCallWait_);
    ShowCallWait();

    top->addLayout(OkCancelRow(this));

    // Coming back from another program is not a new activation of the dialog.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            appInactive_ = true;
    });
}

bool frmModemInit::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        if (appInactive_)
            appInactive_ = false;
        else
            Activated();
    }
    return QDialog::event(e);
}

void frmModemInit::Activated() {
    ++activations_;
    const QString text = cmbCallWait_->currentText();
    for (const char* entry : kCallWaitEntries)
        cmbCallWait_->addItem(entry);
    cmbCallWait_->setCurrentText(text);
}

void frmModemInit::ModelClicked(const std::string& index) {
    setup_.ClickModel(index);
}

void frmModemInit::AppendClicked(bool checked) {
    setup_.ClickAppend(checked);
}

void frmModemInit::CallWaitClicked(bool checked) {
    setup_.ClickCallWait(checked);
    ShowCallWait();
}

void frmModemInit::ShowCallWait() {
    bool on = setup_.CallWaitChecked();
    cmbCallWait_->setEnabled(on);
    label3_->setEnabled(on);
    cmbCallWait_->setCurrentText(QString::fromStdString(setup_.callWaitText));
}

ProgramSetup frmModemInit::Setup() const {
    ProgramSetup p = setup_;
    p.modemInit = txtModemInit_->text().toStdString();
    p.telNumber = txtTelNumber_->text().toStdString();
    p.callWaitText = cmbCallWait_->currentText().toStdString();
    return p;
}

} // namespace rc::link
