#pragma once

// Reads a PDF back with pdftotext -layout and compares it with the text renderer's output: the same
// pages and rows, and texts that share a tab column in the text share a column on paper.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace rc::test {

inline std::string PdfText(const std::string& pdf) {
    std::string out;
    if (FILE* p = ::popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
            out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

// Pages (split at form feeds) of their non-blank lines.
inline std::vector<std::vector<std::string>> Pages(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    for (char c : text + "\n") {
        if (c == '\n' || c == '\f') {
            if (line.find_first_not_of(' ') != std::string::npos)
                pages.back().push_back(line);
            line.clear();
            if (c == '\f')
                pages.emplace_back();
        } else {
            line += c;
        }
    }
    while (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

// The row without blanks: pdftotext keeps the words and their order but not every single blank of
// a proportional face (one-letter words such as "N 0 S" run together).
inline std::string Squeezed(std::string s) {
    std::erase(s, ' ');
    return s;
}

// Where `word` starts a word at or after `from` (not inside "#1"; its end may run into the next word,
// as pdftotext's words sometimes do).
inline std::size_t WordAt(const std::string& line, const std::string& word, std::size_t from) {
    for (std::size_t at = line.find(word, from); at != std::string::npos; at = line.find(word, at + 1))
        if (at == 0 || line[at - 1] == ' ')
            return at;
    return std::string::npos;
}

inline void ExpectPdfReadsLikeText(const std::string& pdfText, const std::string& text) {
    const auto paper = Pages(pdfText), expected = Pages(text);
    ASSERT_EQ(paper.size(), expected.size()) << "pages";
    for (std::size_t p = 0; p < paper.size(); ++p) {
        ASSERT_EQ(paper[p].size(), expected[p].size()) << "rows on page " << p + 1;
        std::map<std::size_t, std::size_t> columnOnPaper; // text column -> pdftotext column
        for (std::size_t r = 0; r < paper[p].size(); ++r) {
            const std::string &got = paper[p][r], &want = expected[p][r];
            EXPECT_EQ(Squeezed(got), Squeezed(want)) << "page " << p + 1 << " row " << r + 1;
            // Table rows only: a heading holds a path after a double blank, a title is centred.
            if (want.find("File:") != std::string::npos ||
                want.find("  ", want.find_first_not_of(' ')) == std::string::npos)
                continue;
            // Each text that stands after two or more blanks starts a tab column.
            std::size_t from = 0;
            for (std::size_t i = want.find_first_not_of(' '); i != std::string::npos;
                 i = want.find_first_not_of(' ', want.find("  ", i))) {
                const std::string word = want.substr(i, want.find(' ', i) - i);
                const std::size_t at = WordAt(got, word, from);
                ASSERT_NE(at, std::string::npos) << got;
                // pdftotext turns positions into columns by its own estimate of a character's
                // width, so a column may come out one either way; a misplaced tab is far more.
                const std::size_t first = columnOnPaper.emplace(i, at).first->second;
                EXPECT_LE(first > at ? first - at : at - first, 1u)
                    << "'" << word << "' out of its column on page " << p + 1 << ": " << got;
                from = at + word.size();
                if (want.find("  ", i) == std::string::npos)
                    break;
            }
        }
    }
}

} // namespace rc::test
