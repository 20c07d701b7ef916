#include "codecs/qt/frm_keypad.h"

#include "codecs/keypad.h"
#include "desktop/qt/centre_on_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace rc {

namespace {

class QtReadyTimer : public IReadyTimer {
public:
    QtReadyTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (elapsed_)
                elapsed_();
        });
    }
    void Start(int milliseconds, std::function<void()> elapsed) override {
        elapsed_ = std::move(elapsed);
        timer_.start(milliseconds);
    }
    void Stop() override { timer_.stop(); }

private:
    QTimer timer_;
    std::function<void()> elapsed_;
};

struct KeyFace {
    PadKey key;
    const char* name;
    const char* caption;
    int row, column, columnSpan;
};

// Telephone order, the letter column on the right, the command keys below.
constexpr KeyFace kFaces[kPadKeyCount] = {
    {PadKey::One, "cmdOne", "1", 0, 0, 1},
    {PadKey::Two, "cmdTwo", "2", 0, 1, 1},
    {PadKey::Three, "cmdThree", "3", 0, 2, 1},
    {PadKey::A, "cmdA", "A", 0, 3, 1},
    {PadKey::Four, "cmdFour", "4", 1, 0, 1},
    {PadKey::Five, "cmdFive", "5", 1, 1, 1},
    {PadKey::Six, "cmdSix", "6", 1, 2, 1},
    {PadKey::B, "cmdB", "B", 1, 3, 1},
    {PadKey::Seven, "cmdSeven", "7", 2, 0, 1},
    {PadKey::Eight, "cmdEight", "8", 2, 1, 1},
    {PadKey::Nine, "cmdNine", "9", 2, 2, 1},
    {PadKey::C, "cmdC", "C", 2, 3, 1},
    {PadKey::Star, "cmdStar", "*", 3, 0, 1},
    {PadKey::Zero, "cmdZero", "0", 3, 1, 1},
    {PadKey::Pound, "cmdPound", "#", 3, 2, 1},
    {PadKey::D, "cmdD", "D", 3, 3, 1},
    {PadKey::Delay, "cmdDelay", "Delay", 4, 0, 2},
    {PadKey::Clear, "cmdClear", "Clear", 4, 2, 2},
    {PadKey::Cancel, "cmdCancel", "Cancel", 5, 0, 2},
    {PadKey::OK, "cmdOK", "OK", 5, 2, 2},
};

constexpr int kMargin = 6;
constexpr int kSpacing = 3;

} // namespace

std::unique_ptr<IReadyTimer> MakeQtReadyTimer() {
    return std::make_unique<QtReadyTimer>();
}

frmKeyPad::frmKeyPad(IMessages& messages, IHelp* help, IReadyTimer* readyTimer, QWidget* parent)
    : QDialog(parent), messages_(messages), help_(help), readyTimer_(readyTimer) {
    setObjectName("frmKeyPad");
    setWindowTitle("Keypad");
    setModal(true);
    if (readyTimer_ == nullptr) {
        ownTimer_ = std::make_unique<QtReadyTimer>();
        readyTimer_ = ownTimer_.get();
    }

    // The keypad column is as wide as the narrow dialog; the selection list fills the rest of the
    // wide one.
    const int padWidth = TwipsToPixels(this, kKeyPadNarrowTwips) - 2 * kMargin;
    const int keyWidth = (padWidth - 3 * kSpacing) / 4;

    auto* pad = new QWidget(this);
    pad->setFixedWidth(padWidth);
    auto* padLayout = new QVBoxLayout(pad);
    padLayout->setContentsMargins(0, 0, 0, 0);
    padLayout->setSpacing(kSpacing + 1);

    lblHeading_ = new QLabel(pad);
    lblHeading_->setObjectName("lblHeading");
    lblHeading_->setTextFormat(Qt::PlainText);
    lblHeading_->setAlignment(Qt::AlignCenter);
    lblHeading_->setWordWrap(true);
    padLayout->addWidget(lblHeading_);

    lblDisplay_ = new QLabel(pad);
    lblDisplay_->setObjectName("lblDisplay");
    lblDisplay_->setTextFormat(Qt::PlainText);
    lblDisplay_->setAlignment(Qt::AlignCenter);
    lblDisplay_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblDisplay_->setMinimumHeight(fontMetrics().height() + 8);
    QFont big = lblDisplay_->font();
    big.setBold(true);
    lblDisplay_->setFont(big);
    padLayout->addWidget(lblDisplay_);

    auto* grid = new QGridLayout;
    grid->setSpacing(kSpacing);
    for (const KeyFace& face : kFaces) {
        auto* button = new QPushButton(face.caption, pad);
        button->setObjectName(face.name);
        button->setAutoDefault(false);
        button->setMinimumWidth(keyWidth * face.columnSpan + kSpacing * (face.columnSpan - 1));
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        // Keys keep their place when a mode hides them, as on a telephone.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        // Tab reaches every key, a click takes no focus: Enter confirms whatever was clicked before.
        if (face.key != PadKey::OK)
            button->setFocusPolicy(Qt::TabFocus);
        grid->addWidget(button, face.row, face.column, 1, face.columnSpan);
        keys_[static_cast<int>(face.key)] = button;
        connect(button, &QPushButton::clicked, this, [this, key = face.key] { Press(key); });
    }
    padLayout->addLayout(grid);

    listPanel_ = new QWidget(this);
    auto* listLayout = new QVBoxLayout(listPanel_);
    listLayout->setContentsMargins(kMargin, 0, 0, 0);
    listLayout->setSpacing(0);
    for (int i = 0; i < kSelectionListSize; ++i) {
        lblFreq_[i] = new QLabel(listPanel_);
        lblFreq_[i]->setObjectName(QString("lblFreq_%1").arg(i));
        lblFreq_[i]->setTextFormat(Qt::PlainText);
        listLayout->addWidget(lblFreq_[i]);
    }
    listLayout->addStretch();

    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    top->setSpacing(0);
    top->addWidget(pad, 0, Qt::AlignTop);
    top->addWidget(listPanel_, 1);
    top->setSizeConstraint(QLayout::SetNoConstraint);
}

frmKeyPad::~frmKeyPad() = default;

std::string frmKeyPad::Run(const KeyPadParams& params) {
    Activate(params);
    exec();
    readyTimer_->Stop();
    return logic_.Display();
}

void frmKeyPad::Activate(const KeyPadParams& params) {
    logic_.Activate(params);
    Render();
    layout()->activate();
    setFixedSize(TwipsToPixels(this, logic_.WidthTwips()), layout()->sizeHint().height());
    CentreOnScreen(this);
    Key(PadKey::OK)->setFocus();
    typedEarly_.clear();
    readyTimer_->Start(kKeyPadReadyMs, [this] { BecomeReady(); });
}

void frmKeyPad::BecomeReady() {
    logic_.TimerTick();
    // The delay guards against the click that opened the keypad, not against a fast typist.
    std::vector<std::optional<PadKey>> typed;
    typed.swap(typedEarly_);
    for (const std::optional<PadKey>& key : typed) {
        if (!isVisible())
            break;
        Type(key);
    }
}

void frmKeyPad::Type(std::optional<PadKey> key) {
    if (!logic_.Ready())
        typedEarly_.push_back(key);
    else if (key)
        Press(*key);
    else
        Apply(logic_.BackSpace());
}

void frmKeyPad::Press(PadKey key) {
    Apply(logic_.Press(key));
}

void frmKeyPad::Apply(const KeyResult& result) {
    lblDisplay_->setText(QString::fromStdString(logic_.Display()));
    if (result.beep)
        messages_.Beep();
    if (result.message)
        messages_.Show(*result.message);
    if (result.close) {
        readyTimer_->Stop();
        QDialog::done(QDialog::Accepted);
    }
}

void frmKeyPad::Render() {
    for (int k = 0; k < kPadKeyCount; ++k)
        keys_[k]->setVisible(logic_.KeyVisible(static_cast<PadKey>(k)));
    for (int i = 0; i < kSelectionListSize; ++i)
        lblFreq_[i]->setText(QString::fromStdString(logic_.ListLabels()[i]));
    listPanel_->setVisible(logic_.ListShown());
    lblHeading_->setText(QString::fromStdString(logic_.Params().heading));
    lblDisplay_->setText(QString::fromStdString(logic_.Display()));
}

void frmKeyPad::reject() {
    Apply(logic_.Dismiss());
}

void frmKeyPad::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        if (help_ != nullptr)
            help_->ShowContext(kKeyPadHelpContext);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Type(PadKey::OK);
        return;
    case Qt::Key_Escape:
        Type(PadKey::Cancel);
        return;
    case Qt::Key_Backspace:
        Type(std::nullopt);
        return;
    case Qt::Key_Delete:
        Type(PadKey::Clear);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 128 && !(event->modifiers() & Qt::ControlModifier)) {
        if (auto key = PadKeyFromChar(static_cast<char>(text[0].unicode()))) {
            Type(*key);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace rc
