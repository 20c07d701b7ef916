#pragma once

#include <string>
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

} // namespace rc
