#include "dialog_fakes.h"
#include "pdf_rows.h"

#include "image/image_file.h"
#include "print/headings.h"
#include "print/jobs.h"
#include "print/qt/frm_print.h"
#include "print/qt/pdf_reports.h"
#include "print/text_renderer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rc::print {
namespace {

// A printer dialog whose user picks a PDF file (or cancels), and a preview that draws into one.
struct ScriptedPrinting : IPrintService {
    bool accept = true;
    std::string file;
    int previews = 0;
    bool SetUpPrinter(QPrinter& printer, QWidget*) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        return accept;
    }
    void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget*) override {
        ++previews;
        SetUpPrinter(printer, nullptr);
        paint(printer);
    }
};

class PrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ReadImageFile(RC_SOURCE_DIR "/samples/Default.HR8", state.image).error, OpenError::None);
        printing.file = dir.filePath("out.pdf").toStdString();
    }
    QCheckBox* Box(int i) { return dialog.findChild<QCheckBox*>(QString("chkPrint_%1").arg(i)); }
    QString Action() { return dialog.findChild<QLabel*>("lblAction")->text(); }
    QString Caption() { return dialog.findChild<QPushButton*>("cmdPrint")->text(); }
    void Click(const char* button) { dialog.findChild<QPushButton*>(button)->click(); }
    // What the text renderer prints for these jobs, headed as the dialog heads them.
    std::string ExpectedText(std::vector<int> jobs) {
        ReportContext ctx{state.image, state.statusFileText, ShortDateToday(), 10};
        std::vector<Document> docs;
        for (int j : jobs)
            for (Document& d : BuildJob(PrintJobs()[j], ctx))
                docs.push_back(std::move(d));
        return RenderText(docs);
    }

    QTemporaryDir dir;
    EditorState state;
    testing::RecordingMessages messages;
    testing::RecordingHelp help;
    ScriptedPrinting printing;
    frmPrint dialog{state, [] { return PrinterFont{"Arial", 10}; }, messages, printing, &help, 106};
};

TEST_F(PrintDialogTest, PrintButtonCaptionBlinksWhileAJobIsTicked) {
    const std::pair<int, QString> ticks[] = {{-1, "No Print Job(s) Selected"},
                                             {3, "Start Print Job(s)"},
                                             {-1, ""},
                                             {3, "No Print Job(s) Selected"}};
    for (auto [box, caption] : ticks) {
        if (box >= 0)
            Box(box)->click();
        dialog.Timer1_Timer();
        EXPECT_EQ(Caption(), caption);
    }
}

TEST_F(PrintDialogTest, PrintRunsAndTheirOutcomes) {
    state.statusFileText = " /srv/site.HR8";
    struct Case {
        std::vector<int> ticked; // in the order the user ticks them
        bool accept;
        bool writable;
        QString action;
        bool ticksKept;
    } cases[] = {
        {{}, true, true, "", false},
        {{4, 0}, false, true, "Print Cancelled", true},
        {{4, 0}, true, false, "Printer Error", true},
        {{5, 2, 0}, true, true, "Print Job(s) Dispatched", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Action().toStdString() + " -> " + c.action.toStdString());
        messages.shown.clear();
        for (int i = 0; i < kPrintJobCount; ++i)
            Box(i)->setChecked(false);
        for (int i : c.ticked)
            Box(i)->click();
        printing.accept = c.accept;
        printing.file = c.writable ? dir.filePath("out.pdf").toStdString() : "/nonexistent/dir/out.pdf";
        QFile::remove(dir.filePath("out.pdf"));
        Click("cmdPrint");
        // Back from the printer dialog the window is activated again; the outcome stays.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &activate);
        EXPECT_EQ(Action(), c.action);
        if (c.ticked.empty()) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0],
                      (MessageSpec{"Error, No Print Jobs Selected", "Print Jobs", MessageIcon::Exclamation}));
            continue;
        }
        EXPECT_TRUE(messages.shown.empty());
        for (int i : c.ticked)
            EXPECT_EQ(Box(i)->isChecked(), c.ticksKept) << i;
        if (c.action == "Print Job(s) Dispatched") {
            std::vector<int> inOrder = c.ticked;
            std::sort(inOrder.begin(), inOrder.end());
            rc::test::ExpectPdfReadsLikeText(rc::test::PdfText(printing.file), ExpectedText(inOrder));
        }
    }
}

TEST_F(PrintDialogTest, PreviewDrawsTheTickedJobsAndKeepsTheTicks) {
    Click("cmdPreview");
    EXPECT_EQ(printing.previews, 0);
    EXPECT_EQ(messages.shown.size(), 1u);
    Box(0)->click();
    Click("cmdPreview");
    EXPECT_EQ(printing.previews, 1);
    EXPECT_TRUE(Box(0)->isChecked());
    rc::test::ExpectPdfReadsLikeText(rc::test::PdfText(printing.file), ExpectedText({0}));
    EXPECT_NE(rc::test::PdfText(printing.file).find("File: No File Name Assigned"), std::string::npos)
        << "no image file opened";
}

// Tab column n is where the text report puts it: n - 1 characters from the left edge, under the
// character a line started at the edge has there.
TEST(PrinterColumns, StandWhereTheTextReportPutsThem) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("columns.pdf").toStdString();
    const std::vector<Document> docs{
        {{Page{{Line{{{0, "0123456789"}}}, Line{{{1, "A"}, {5, "B"}, {9, "C"}}}}}}}};
    std::string error;
    ASSERT_TRUE(WritePdfFile(docs, pdf, PrinterFont{"DejaVu Sans Mono", 10}, error)) << error;
    EXPECT_EQ(rc::test::Pages(rc::test::PdfText(pdf)), rc::test::Pages(RenderText(docs)));
}

} // namespace
} // namespace rc::print
