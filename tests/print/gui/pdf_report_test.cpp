#include "pdf_rows.h"

#include "image/image_file.h"
#include "print/jobs.h"
#include "print/qt/pdf_reports.h"
#include "print/text_renderer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rc::print {
namespace {

TEST(PdfReport, EveryJobOnPaperReadsLikeItsText) {
    ImageBytes image;
    ASSERT_EQ(ReadImageFile(RC_SOURCE_DIR "/samples/Default.HR8", image).error, OpenError::None);
    const ReportContext ctx{image, " /srv/site.HR8", "12/07/26", 10};
    QTemporaryDir dir;
    for (const PrintJob& job : PrintJobs()) {
        SCOPED_TRACE(std::string(job.name));
        const std::vector<Document> docs = BuildJob(job, ctx);
        if (docs.empty())
            continue; // its report is not there yet
        const std::string pdf =
            dir.filePath(QString::fromUtf8(job.name.data(), static_cast<int>(job.name.size())) + ".pdf")
                .toStdString();
        std::string why;
        ASSERT_TRUE(WritePdfFile(docs, pdf, PrinterFont{"Arial", 10}, why)) << why;
        rc::test::ExpectPdfReadsLikeText(rc::test::PdfText(pdf), RenderText(docs));
    }
}

} // namespace
} // namespace rc::print
