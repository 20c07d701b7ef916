#include "editors/qt/frm_erase.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rc {

namespace {
constexpr int kIndicatorSize = 16;
} // namespace

frmErase::frmErase(EditorState& state, IMessages& messages, NameStep nameStep, IHelp* help, int helpContext,
                   QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), messages_(messages),
      nameStep_(std::move(nameStep)) {
    setObjectName("frmErase");
    setWindowTitle("Halden R8 Flush Memory Blocks");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < kFlushBlockCount; ++i) {
        auto* button = new QPushButton("Flush", this);
        button->setObjectName(QString("cmdFls_%1").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (FlushMemoryBlock(state_.image, i, messages_)) {
                nameStep_(std::string("Flush ") + FlushBlocks()[static_cast<std::size_t>(i)].label);
                DisplayErase();
            }
        });
        grid->addWidget(button, i, 0);
        Shape1_[static_cast<std::size_t>(i)] = new QLabel(this);
        Shape1_[static_cast<std::size_t>(i)]->setObjectName(QString("Shape1_%1").arg(i));
        Shape1_[static_cast<std::size_t>(i)]->setFixedSize(kIndicatorSize, kIndicatorSize);
        Shape1_[static_cast<std::size_t>(i)]->setAutoFillBackground(true);
        Shape1_[static_cast<std::size_t>(i)]->setFrameShape(QFrame::Box);
        grid->addWidget(Shape1_[static_cast<std::size_t>(i)], i, 1);
        grid->addWidget(new QLabel(FlushBlocks()[static_cast<std::size_t>(i)].label, this), i, 2);
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, kFlushBlockCount, 0, 1, 3, Qt::AlignCenter);
    DisplayErase();
}

void frmErase::DisplayErase() {
    const auto colours = rc::DisplayErase(state_.image);
    for (std::size_t i = 0; i < Shape1_.size(); ++i) {
        // The colour values are stored blue-green-red, as the indicators' colour property holds them.
        const int bgr = colours[i];
        QPalette p = Shape1_[i]->palette();
        p.setColor(QPalette::Window, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
        Shape1_[i]->setPalette(p);
        Shape1_[i]->setProperty("FillColor", bgr);
    }
}

void frmErase::Activate() {
    DisplayErase();
    cmdOK_->setFocus();
}

} // namespace rc
