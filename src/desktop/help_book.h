#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace rc {

// One page of a program's help.
struct HelpPage {
    const char* file;  // name of the page among the program's help resources
    const char* title; // shown in the contents list and the window caption
    std::vector<int> contexts;
    std::vector<const char*> keywords;
};

struct HelpIndexEntry {
    std::string keyword;
    const HelpPage* page;
};

// A program's help: its caption, where its pages are built in, and its pages, the contents first.
struct HelpBook {
    std::string caption; // "Halden R8 Editor Help"
    std::string root;    // resource folder of the pages, ":/help/"
    std::vector<HelpPage> pages;

    const HelpPage& Contents() const { return pages.front(); }
    // The page for a dialog's help context; the contents for a number without a page of its own.
    const HelpPage& PageForContext(int context) const;
    const HelpPage* Find(const std::string& file) const;
    // All keywords of all pages, sorted without regard to case.
    std::vector<HelpIndexEntry> Index() const;
    // Keywords that contain `text` (any case); those that start with it come first. Empty text: all.
    std::vector<HelpIndexEntry> Match(const std::string& text) const;
};

struct HelpSearchHit {
    const HelpPage* page;
    int count; // how often the words searched for occur on the page
};

// A search through the words of every page: the text of each page is added once, then any number of
// searches run over it.
class HelpWordIndex {
public:
    void AddPage(const HelpPage& page, std::string_view text);
    bool Empty() const { return pages_.empty(); }
    // The pages that hold every word of `query`, a word matching the words it begins ("sleep" finds
    // "sleeps" too), without regard to case: most hits first, then in the order the pages were added.
    std::vector<HelpSearchHit> Find(std::string_view query) const;

private:
    std::vector<const HelpPage*> pages_;
    std::map<std::string, std::map<std::size_t, int>> words_; // word -> page number -> count
};

// The words of a text as the index keeps them: runs of letters and digits, in small letters.
std::vector<std::string> HelpWords(std::string_view text);

} // namespace rc
