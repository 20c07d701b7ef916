#pragma once

// Reads a PDF back with pdftotext -layout and compares it with the text renderer's output: the same
// pages, the same rows, and texts that share a tab column in the text share a column on paper.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace rc::test {

inline std::string PdfText(const std::string& pdf) {
    std::string out;
    if (FILE* p = ::popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

struct Field {
    std::size_t column;
    std::string text;
};

// A line cut at runs of two or more blanks: the texts the report put at its tab columns.
inline std::vector<Field> Fields(const std::string& line) {
    std::vector<Field> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i >= line.size())
            break;
        std::size_t end = line.find("  ", i);
        if (end == std::string::npos)
            end = line.size();
        fields.push_back({i, line.substr(i, end - i)});
        i = end;
    }
    return fields;
}

// Pages of non-blank lines.
inline std::vector<std::vector<std::string>> Pages(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        for (std::size_t ff; (ff = line.find('\f')) != std::string::npos;) {
            if (!line.substr(0, ff).empty() && line.substr(0, ff).find_first_not_of(' ') != std::string::npos)
                pages.back().push_back(line.substr(0, ff));
            pages.emplace_back();
            line.erase(0, ff + 1);
        }
        if (line.find_first_not_of(' ') != std::string::npos)
            pages.back().push_back(line);
    }
    while (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

// The row without its blanks: pdftotext keeps the words and their order but not every single blank
// of a proportional face (one-letter words such as "N 0 S" run together).
inline std::string Collapsed(const std::string& line) {
    std::string out;
    for (char c : line)
        if (c != ' ')
            out += c;
    return out;
}

inline void ExpectPdfReadsLikeText(const std::string& pdfText, const std::string& text) {
    const auto paper = Pages(pdfText), expected = Pages(text);
    ASSERT_EQ(paper.size(), expected.size()) << "pages";
    for (std::size_t p = 0; p < paper.size(); ++p) {
        ASSERT_EQ(paper[p].size(), expected[p].size()) << "rows on page " << p + 1;
        std::map<std::size_t, std::size_t> columnOnPaper; // text column -> pdftotext column
        for (std::size_t r = 0; r < paper[p].size(); ++r) {
            const std::string &got = paper[p][r], &want = expected[p][r];
            EXPECT_EQ(Collapsed(got), Collapsed(want)) << "page " << p + 1 << " row " << r + 1;
            const auto fields = Fields(want);
            // Tables only: the page heading holds a path after a double blank, a title is centred.
            if (fields.size() < 2 || want.find("File:") != std::string::npos)
                continue;
            std::size_t from = 0;
            for (const Field& f : fields) {
                const std::string first = f.text.substr(0, f.text.find(' '));
                const std::size_t at = got.find(first, from);
                ASSERT_NE(at, std::string::npos) << got;
                auto [it, fresh] = columnOnPaper.emplace(f.column, at);
                EXPECT_EQ(it->second, at)
                    << "'" << f.text << "' out of its column on page " << p + 1 << ": " << got;
                from = at + first.size();
            }
        }
    }
}

} // namespace rc::test
