#include "print/qt/pdf_reports.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

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
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setCreator("rcedit");
    if (!PrintDocuments(printer, documents, font)) {
        error = "the PDF could not be written";
        return false;
    }
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        error = "no file was written";
        return false;
    }
    return true;
}

} // namespace rc::print
