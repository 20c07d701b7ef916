#include "print/qt/pdf_reports.h"

#include "files/replace_file.h"

#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <cmath>

namespace rc::print {

PdfReports::PdfReports(std::function<PrinterFont()> font) : fontSource_(std::move(font)) {}

PdfReports::~PdfReports() = default;

const PrinterFont& PdfReports::Font() {
    if (!app_ && !QGuiApplication::instance()) {
        // Nothing is shown: the offscreen platform has the fonts and needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "rcedit";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (!font_)
        font_ = std::make_unique<PrinterFont>(fontSource_ ? fontSource_() : PrinterFont{});
    return *font_;
}

int PdfReports::FontSize() {
    return static_cast<int>(std::lround(Font().pointSize));
}

bool PdfReports::DrawPdf(const std::vector<Document>& documents, std::string& pdf, std::string& error) {
    return DrawPdfBytes(documents, Font(), pdf, error);
}

bool DrawPdfBytes(const std::vector<Document>& documents, const PrinterFont& font, std::string& pdf,
                  std::string& error) {
    // The printer draws only into a file: a private folder of ours, which an interrupting signal
    // removes with its file, so nothing is left behind in the temporary folder.
    ScratchCleanup cleanup;
    std::unique_ptr<QTemporaryDir> scratch;
    {
        const ScratchCleanup::Held held;
        scratch = std::make_unique<QTemporaryDir>();
        if (scratch->isValid()) {
            cleanup.Add(scratch->path().toStdString(), ScratchCleanup::Kind::Folder);
            cleanup.Add(scratch->filePath("report.pdf").toStdString(), ScratchCleanup::Kind::File);
        }
    }
    if (!scratch->isValid()) {
        error = scratch->errorString().toStdString();
        return false;
    }
    const QString drawn = scratch->filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(drawn);
    printer.setCreator("rcedit");
    if (!PrintDocuments(printer, documents, font)) {
        error = "the PDF could not be written";
        return false;
    }
    QFile file(drawn);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "no file was written";
        return false;
    }
    const QByteArray bytes = file.readAll();
    pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

bool WritePdfFile(const std::vector<Document>& documents, const std::string& path, const PrinterFont& font,
                  std::string& error) {
    // Drawn in a private folder first, then put in place whole: a PDF that fails halfway never
    // replaces the file that was there, and an unwritable path is our refusal, not the printer's.
    std::string pdf;
    if (!DrawPdfBytes(documents, font, pdf, error))
        return false;
    const WriteResult written =
        ReplaceFileContents(path, {reinterpret_cast<const std::uint8_t*>(pdf.data()), pdf.size()});
    error = written.reason;
    return written.ok;
}

} // namespace rc::print
