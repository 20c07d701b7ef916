#pragma once

#include "print/document.h"

#include <QString>

#include <vector>

class QPrinter;

namespace rc::print {

// The printer font of the editor's settings.
struct PrinterFont {
    QString family = "Arial";
    double pointSize = 10;
};

// Draws the documents on the printer as the text renderer lays them out: tab column n starts n character
// widths of the printer font from the left margin, each page and each document begins a
// new sheet, and a page too long for the paper goes on over the next. Lines keep their own size and
// weight; the heading lines take the font's size. False when the printer refused to start or to turn
// a page.
bool PrintDocuments(QPrinter& printer, const std::vector<Document>& documents, const PrinterFont& font);

} // namespace rc::print
