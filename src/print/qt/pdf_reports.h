#pragma once

#include "print/jobs.h"
#include "print/qt/print_renderer.h"

#include <functional>
#include <memory>

class QGuiApplication;

namespace rc::print {

// `rcedit --report ... --format pdf`: draws the reports with the printer renderer into a PDF file.
// The Qt application it needs is made only when a PDF is asked for, on the offscreen platform, so
// the reports work on a machine without a display.
class PdfReports : public IPdfReports {
public:
    // `font` reads the printer font of the settings once the application exists.
    explicit PdfReports(std::function<PrinterFont()> font);
    ~PdfReports() override;

    int FontSize() override;
    bool DrawPdf(const std::vector<Document>& documents, std::string& pdf, std::string& error) override;

private:
    const PrinterFont& Font();

    std::function<PrinterFont()> fontSource_;
    std::unique_ptr<PrinterFont> font_;
    std::unique_ptr<QGuiApplication> app_;
};

// The documents drawn as the printer would print them, as the bytes of a PDF file.
bool DrawPdfBytes(const std::vector<Document>& documents, const PrinterFont& font, std::string& pdf,
                  std::string& error);
// Writes the documents to a PDF file at `path` as the printer would print them.
bool WritePdfFile(const std::vector<Document>& documents, const std::string& path, const PrinterFont& font,
                  std::string& error);

} // namespace rc::print
