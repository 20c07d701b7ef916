#include "editors/qt/frm_stat.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace rc {

namespace {

QLabel* Named(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmStat::frmStat(EditorState& state, IMessages& messages, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), messages_(messages) {
    setObjectName("frmStat");
    setWindowTitle("Halden R8 Repeater Stats");
    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(new QLabel("Project File Name", this), row, 0);
    lblFileName_ = Named("lblFileName", "", this);
    grid->addWidget(lblFileName_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Project File Date", this), row, 0);
    lblFileDate_ = Named("lblFileDate", "", this);
    grid->addWidget(lblFileDate_, row++, 1, 1, 2);
    imgWarn_ = Named("imgWarn", "", this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    imgWarn_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    grid->addWidget(imgWarn_, row, 0, Qt::AlignRight);
    lblReadOnly_ = Named("lblReadOnly", "Note:  File is Read Only", this);
    grid->addWidget(lblReadOnly_, row++, 1, 1, 2);
    for (int i = 0; i < kStatCount; ++i) {
        grid->addWidget(new QLabel(QString::fromStdString(StatLabel(i)), this), row, 0);
        lblData_[static_cast<std::size_t>(i)] = Named("", "", this);
        lblData_[static_cast<std::size_t>(i)]->setObjectName(QString("lblData_%1").arg(i));
        lblData_[static_cast<std::size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblData_[static_cast<std::size_t>(i)]->setFrameShape(QFrame::Panel);
        lblData_[static_cast<std::size_t>(i)]->setFrameShadow(QFrame::Sunken);
        lblData_[static_cast<std::size_t>(i)]->setMinimumWidth(fontMetrics().horizontalAdvance("0000"));
        grid->addWidget(lblData_[static_cast<std::size_t>(i)], row++, 1);
    }
    auto* cmdErase = new QPushButton("Reset Stats", this);
    cmdErase->setObjectName("cmdErase");
    cmdErase->setAutoDefault(false);
    connect(cmdErase, &QPushButton::clicked, this, [this] {
        if (ResetStats(state_.image, messages_)) {
            state_.stepName = "Reset Stats";
            DisplayStats();
        }
    });
    grid->addWidget(cmdErase, row, 0);
    cmdOK_ = new QPushButton("OK", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(cmdOK_, row, 1, 1, 2);
    DisplayStats();
}

void frmStat::DisplayStats() {
    const StatsView view =
        rc::DisplayStats(state_.image, state_.ImageFileName, StatFile(state_.ImageFileName));
    lblFileName_->setText(QString::fromStdString(view.fileName));
    lblFileDate_->setText(QString::fromStdString(view.fileDate));
    lblReadOnly_->setVisible(view.readOnlyShown);
    imgWarn_->setVisible(view.readOnlyShown);
    for (int i = 0; i < kStatCount; ++i)
        lblData_[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(view.data[static_cast<std::size_t>(i)]));
}

void frmStat::Activate() {
    DisplayStats();
    cmdOK_->setFocus();
}

} // namespace rc
