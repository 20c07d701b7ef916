#include "print/text_renderer.h"

namespace rc::print {

std::string RenderLine(const Line& line, int width) {
    std::string out;
    if (line.centered && !line.cells.empty()) {
        int len = static_cast<int>(line.cells.front().text.size());
        int start = width / 2 - len / 2;
        out.assign(static_cast<std::size_t>(start > 0 ? start : 0), ' ');
        out += line.cells.front().text;
        return out + "\n";
    }
    std::string current; // the text of the physical line being filled
    for (const Cell& cell : line.cells) {
        // A tab to an empty text moves nothing onto the paper; leave no trailing blanks for it.
        if (cell.text.empty())
            continue;
        if (cell.column > 0) {
            auto col = static_cast<std::size_t>(cell.column - 1);
            // Like a printer's tab: a column already passed continues on the next line.
            if (current.size() > col) {
                out += current + "\n";
                current.clear();
            }
            current.resize(col, ' ');
        }
        current += cell.text;
    }
    return out + current + "\n";
}

std::string RenderText(const std::vector<Document>& documents, int width) {
    std::string out;
    bool first = true;
    for (const Document& doc : documents) {
        for (const Page& page : doc.pages) {
            if (!first)
                out += "\f";
            first = false;
            for (const Line& line : page.lines)
                out += RenderLine(line, width);
        }
    }
    return out;
}

} // namespace rc::print
