#include "editors/qt/frm_memory.h"

#include "editors/memory_blocks.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rc {

frmMemory::frmMemory(EditorState& state, IMessages& messages, NameStep nameStep, IHelp* help, int helpContext,
                     QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), messages_(messages),
      nameStep_(std::move(nameStep)) {
    setObjectName("frmMemory");
    setWindowTitle("Halden R8 Memory Files Configuration");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    auto* from = new QLabel("From Base", this);
    from->setObjectName("lblFrom");
    grid->addWidget(from, 0, 0);
    auto* into = new QLabel("Into Memory Saves", this);
    into->setObjectName("lblInto");
    grid->addWidget(into, 0, 1, 1, kMemorySaveCount, Qt::AlignCenter);
    for (int n = 0; n < kMemorySaveCount; ++n)
        grid->addWidget(new QLabel(QString("#%1").arg(n + 1), this), 1, n + 1, Qt::AlignCenter);
    for (int g = 0; g < kCopyGroupCount; ++g) {
        const CopyGroup& group = CopyGroups()[static_cast<std::size_t>(g)];
        grid->addWidget(new QLabel(group.label, this), g + 2, 0);
        for (int n = 0; n < kMemorySaveCount; ++n) {
            auto* button = new QPushButton("Copy", this);
            button->setObjectName(QString("%1_%2").arg(group.buttonArray).arg(n));
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, g, n] { Copy(g, n); });
            grid->addWidget(button, g + 2, n + 1);
        }
    }
    cmdOK_ = MakeOkButton(this, [this] {
        if (armed_)
            accept();
    });
    grid->addWidget(cmdOK_, kCopyGroupCount + 2, 0, 1, kMemorySaveCount + 1, Qt::AlignCenter);
}

void frmMemory::Activate() {
    armed_ = true;
    cmdOK_->setFocus();
}

void frmMemory::Copy(int group, int index) {
    if (!armed_)
        return;
    CopyToMemorySave(state_.image, group, index + 1);
    std::string what = CopyGroups()[static_cast<std::size_t>(group)].label;
    if (what.ends_with('.'))
        what.pop_back();
    nameStep_("Copy " + what + " to Memory Save #" + std::to_string(index + 1));
    AnimateArrow();
}

void frmMemory::AnimateArrow() {
    messages_.Beep();
    messages_.Show(CopyOkMessage());
}

} // namespace rc
