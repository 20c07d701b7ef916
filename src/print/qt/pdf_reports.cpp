#include "print/qt/pdf_reports.h"

#include "image/replace_file.h"

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

bool PdfReports::WritePdf(const std::vector<Document>& documents, const std::string& path,
                          std::string& error) {
    return WritePdfFile(documents, path, Font(), error);
}

bool WritePdfFile(const std::vector<Document>& documents, const std::string& path, const PrinterFont& font,
                  std::string& error) {
    // Drawn in a private folder first, then put in place whole: a PDF that fails halfway never
    // replaces the file that was there, and an unwritable path is our refusal, not the printer's.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        error = scratch.errorString().toStdString();
        return false;
    }
    const QString drawn = scratch.filePath("report.pdf");
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
    const QByteArray pdf = file.readAll();
    const WriteResult written = ReplaceFileContents(
        path, {reinterpret_cast<const std::uint8_t*>(pdf.constData()), std::size_t(pdf.size())});
    error = written.reason;
    return written.ok;
}

} // namespace rc::print
