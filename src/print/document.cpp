#include "print/document.h"

#include <cstdio>

namespace rc::print {

std::string Number(long n) {
    return (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -n : n) + " ";
}

std::string Hex2(int byte) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", byte & 0xFF);
    return buf;
}

void DocumentBuilder::Line(std::vector<Cell> cells) {
    doc_.pages.back().lines.push_back({std::move(cells), fontSize_, bold_, false});
}

void DocumentBuilder::Row(std::vector<Cell> cells) {
    Line(std::move(cells));
    EmptyLine();
}

void DocumentBuilder::Centered(std::string text) {
    doc_.pages.back().lines.push_back({{Cell{0, std::move(text)}}, fontSize_, bold_, true});
}

} // namespace rc::print
