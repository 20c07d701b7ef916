#include "print/qt/frm_print.h"

#include "print/headings.h"
#include "print/jobs.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace rc::print {

namespace {

constexpr int kBlinkInterval = 500; // ms
constexpr const char* kStartCaption = "Start Print Job(s)";
constexpr const char* kNoneCaption = "No Print Job(s) Selected";

struct Frame {
    const char* caption;
    std::vector<int> jobs;
};

const Frame kFrames[] = {
    {"Repeater Base", {0, 2, 4, 10}},
    {"Memory Saves", {1, 3, 5, 11}},
    {"Telephone", {8, 9}},
    {"Miscellaneous", {6, 7, 12}},
};

// The hourglass for as long as the run lasts, however it ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

bool QtPrintService::SetUpPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    // Whole documents only; printing to a file stays, as many desktops have a PDF but no printer.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintService::Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint,
                             QWidget* parent) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* p) { paint(*p); });
    dialog.exec();
}

frmPrint::frmPrint(const EditorState& state, std::function<PrinterFont()> font, IMessages& messages,
                   IPrintService& printing, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), font_(std::move(font)), messages_(messages),
      printing_(printing) {
    setObjectName("frmPrint");
    setWindowTitle("Halden R8 Print Driver");
    auto* grid = new QGridLayout(this);
    int at = 0;
    for (const Frame& frame : kFrames) {
        auto* box = new QGroupBox(frame.caption, this);
        auto* column = new QVBoxLayout(box);
        for (int job : frame.jobs) {
            auto* check = new QCheckBox(
                QString::fromUtf8(
                    PrintJobs()[static_cast<std::size_t>(job)].caption.data(),
                    static_cast<int>(PrintJobs()[static_cast<std::size_t>(job)].caption.size())),
                box);
            check->setObjectName(QString("chkPrint_%1").arg(job));
            connect(check, &QCheckBox::clicked, this, &frmPrint::RecomputeSelected);
            column->addWidget(check);
            chkPrint_[static_cast<std::size_t>(job)] = check;
        }
        column->addStretch();
        grid->addWidget(box, at / 2, at % 2);
        ++at;
    }
    lblAction_ = new QLabel(this);
    lblAction_->setObjectName("lblAction");
    lblAction_->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblAction_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    cmdPrint_ = new QPushButton(kNoneCaption, this);
    cmdPrint_->setObjectName("cmdPrint");
    cmdPrint_->setMinimumWidth(cmdPrint_->fontMetrics().horizontalAdvance(kNoneCaption) + 24);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    auto* cmdPreview = new QPushButton("Preview", this);
    cmdPreview->setObjectName("cmdPreview");
    cmdPreview->setAutoDefault(false);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrint::cmdPreview_Click);
    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(cmdPrint_);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 3, 0, 1, 2);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(kBlinkInterval);
    connect(Timer1_, &QTimer::timeout, this, &frmPrint::Timer1_Timer);
    Timer1_->start();
}

void frmPrint::Activate() {
    cmdPrint_->setFocus();
}

void frmPrint::showEvent(QShowEvent* event) {
    // Only a new showing clears the outcome: coming back from the printer dialog re-activates the
    // window, and the message of the run just finished must stay readable.
    lblAction_->clear();
    EditorDialog::showEvent(event);
}

void frmPrint::RecomputeSelected() {
    anySelected_ = false;
    for (QCheckBox* box : chkPrint_)
        anySelected_ = anySelected_ || box->isChecked();
}

void frmPrint::Timer1_Timer() {
    RecomputeSelected();
    if (anySelected_) {
        blink_ = !blink_;
        cmdPrint_->setText(blink_ ? kStartCaption : "");
    } else {
        cmdPrint_->setText(kNoneCaption);
    }
}

std::vector<Document> frmPrint::SelectedDocuments() const {
    const PrinterFont font = font_ ? font_() : PrinterFont{};
    const ReportContext ctx{state_.image, state_.statusFileText, ShortDateToday(),
                            static_cast<int>(std::lround(font.pointSize))};
    std::vector<Document> docs;
    for (const PrintJob& job : PrintJobs()) {
        if (!chkPrint_[static_cast<std::size_t>(job.index)]->isChecked())
            continue;
        for (Document& d : BuildJob(job, ctx))
            docs.push_back(std::move(d));
    }
    return docs;
}

bool frmPrint::CheckSelection() {
    RecomputeSelected();
    if (!anySelected_)
        messages_.Show({"Error, No Print Jobs Selected", "Print Jobs", MessageIcon::Exclamation});
    return anySelected_;
}

void frmPrint::cmdPrint_Click() {
    if (!CheckSelection())
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!printing_.SetUpPrinter(printer, this)) {
        lblAction_->setText("Print Cancelled");
        return;
    }
    BusyCursor busy;
    const std::vector<Document> docs = SelectedDocuments();
    if (!PrintDocuments(printer, docs, font_ ? font_() : PrinterFont{})) {
        lblAction_->setText("Printer Error");
        return;
    }
    lblAction_->setText("Print Job(s) Dispatched");
    for (QCheckBox* box : chkPrint_)
        box->setChecked(false);
    RecomputeSelected();
}

void frmPrint::cmdPreview_Click() {
    if (!CheckSelection())
        return;
    const std::vector<Document> docs = SelectedDocuments();
    const PrinterFont font = font_ ? font_() : PrinterFont{};
    QPrinter printer(QPrinter::HighResolution);
    printing_.Preview(
        printer, [&](QPrinter& p) { PrintDocuments(p, docs, font); }, this);
}

} // namespace rc::print
