#pragma once

// A device-independent report: pages of lines, each line a few texts at tab columns. The text
// renderer turns it into plain text; the printer renderer draws the same lines on paper.

#include <string>
#include <vector>

namespace rc::print {

// A text at a tab column, counting from 1; column 0 continues right after the previous text.
struct Cell {
    int column = 0;
    std::string text;
    bool operator==(const Cell&) const = default;
};

struct Line {
    std::vector<Cell> cells; // empty: an empty line
    int fontSize = 10;
    bool bold = false;
    bool centered = false; // the first cell is centred on the printable width
    bool operator==(const Line&) const = default;
};

struct Page {
    std::vector<Line> lines;
};

struct Document {
    std::vector<Page> pages;
};

// A number as the printer prints it: a blank for the sign (or "-"), the digits, a trailing blank.
std::string Number(long n);
// A byte as two hexadecimal digits, upper case, leading zero below 16.
std::string Hex2(int byte);

// Builds a document the way the reports drive a printer: a current font size and weight, rows of
// texts at tab columns, new pages, and the end of the document.
class DocumentBuilder {
public:
    DocumentBuilder() { doc_.pages.emplace_back(); }

    void SetFontSize(int size) { fontSize_ = size; }
    int FontSize() const { return fontSize_; }
    void SetBold(bool bold) { bold_ = bold; }

    // Texts at tabs ending with the line end only.
    void Line(std::vector<Cell> cells);
    // Texts at tabs followed by a CR LF item and the line end: the row and then an empty line.
    void Row(std::vector<Cell> cells);
    void EmptyLine() { Line({}); }
    // A title centred on the printable width at the current font size.
    void Centered(std::string text);
    void NewPage() { doc_.pages.emplace_back(); }

    Document Finish() { return std::move(doc_); }

private:
    Document doc_;
    int fontSize_ = 10;
    bool bold_ = false;
};

} // namespace rc::print
