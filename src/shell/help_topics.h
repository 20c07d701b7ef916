#pragma once

#include <span>
#include <string>
#include <vector>

namespace rc::shell {

// One page of the editor's help.
struct HelpPage {
    const char* file;  // name of the page among the help resources
    const char* title; // shown in the contents list and the window caption
    std::vector<int> contexts;
    std::vector<const char*> keywords;
};

inline constexpr int kMainWindowContext = 10;
inline constexpr int kKeyPadContext = 110;
inline constexpr int kContentsContext = 1000;
inline constexpr int kAboutContext = 1002;

// Every page, the contents page first.
std::span<const HelpPage> HelpPages();
const HelpPage& ContentsPage();
// The page for a dialog's help context; the contents for a number without a page of its own.
const HelpPage& PageForContext(int context);
const HelpPage* FindHelpPage(const std::string& file);

struct HelpIndexEntry {
    std::string keyword;
    const HelpPage* page;
};

// All keywords of all pages, sorted without regard to case.
std::vector<HelpIndexEntry> HelpIndex();
// Keywords that contain `text` (any case); those that start with it come first. Empty text: all.
std::vector<HelpIndexEntry> MatchKeywords(const std::string& text);

} // namespace rc::shell
