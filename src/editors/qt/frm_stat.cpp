#include "editors/qt/frm_stat.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace rc {

frmStat::frmStat(EditorState& state, IMessages& messages, NameStep nameStep, IHelp* help, int helpContext,
                 QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), messages_(messages),
      nameStep_(std::move(nameStep)) {
    setObjectName("frmStat");
    setWindowTitle("Halden R8 Repeater Stats");
    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(new QLabel("Project File Name", this), row, 0);
    lblFileName_ = MakeLabel(this, "lblFileName");
    grid->addWidget(lblFileName_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Project File Date", this), row, 0);
    lblFileDate_ = MakeLabel(this, "lblFileDate");
    grid->addWidget(lblFileDate_, row++, 1, 1, 2);
    imgWarn_ = MakeLabel(this, "imgWarn");
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    imgWarn_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    grid->addWidget(imgWarn_, row, 0, Qt::AlignRight);
    lblReadOnly_ = MakeLabel(this, "lblReadOnly", "Note:  File is Read Only");
    grid->addWidget(lblReadOnly_, row++, 1, 1, 2);
    for (int i = 0; i < kStatCount; ++i) {
        grid->addWidget(new QLabel(QString::fromStdString(StatLabel(i)), this), row, 0);
        QLabel* data = lblData_[static_cast<std::size_t>(i)] = MakeLabel(this, QString("lblData_%1").arg(i));
        data->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        data->setFrameShape(QFrame::Panel);
        data->setFrameShadow(QFrame::Sunken);
        data->setMinimumWidth(fontMetrics().horizontalAdvance("0000"));
        grid->addWidget(data, row++, 1);
    }
    auto* cmdErase = new QPushButton("Reset Stats", this);
    cmdErase->setObjectName("cmdErase");
    cmdErase->setAutoDefault(false);
    connect(cmdErase, &QPushButton::clicked, this, [this] {
        if (ResetStats(state_.image, messages_)) {
            nameStep_("Reset Stats");
            DisplayStats();
        }
    });
    grid->addWidget(cmdErase, row, 0);
    cmdOK_ = MakeOkButton(this);
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
