// Both programs' help books: every context has its page, every page is shipped and links only to
// shipped pages, and the keyword search finds what a user types.
#include "desktop/help_book.h"
#include "link/help_pages.h"
#include "shell/help_topics.h"
#include "shell/menu_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace rc {
namespace {

namespace fs = std::filesystem;

struct Book {
    const HelpBook& book;
    const char* folder; // of the pages in the sources
};

const Book kBooks[] = {{shell::EditorHelp(), "src/shell/help"}, {link::LinkHelp(), "src/link/ui/help"}};

TEST(HelpBook, EveryPageIsShippedAndLinksOnlyToShippedPages) {
    for (const Book& b : kBooks) {
        fs::path folder = fs::path(RC_SOURCE_DIR) / b.folder;
        std::set<std::string> listed;
        for (const HelpPage& page : b.book.pages) {
            listed.insert(page.file);
            std::ifstream in(folder / page.file);
            ASSERT_TRUE(in) << page.file;
            std::string html((std::istreambuf_iterator<char>(in)), {});
            for (std::size_t at = html.find("href=\""); at != std::string::npos;
                 at = html.find("href=\"", at + 1)) {
                std::string target = html.substr(at + 6, html.find('"', at + 6) - at - 6);
                target = target.substr(0, target.find('#'));
                if (target.ends_with(".html")) {
                    EXPECT_TRUE(b.book.Find(target)) << page.file << " links to " << target;
                } else if (!target.empty() && target.find(':') == std::string::npos) {
                    EXPECT_TRUE(fs::exists(folder / target)) << page.file << " links to " << target;
                }
            }
        }
        // A page in the folder that no book lists could never be reached.
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".html") {
                EXPECT_TRUE(listed.count(entry.path().filename().string())) << entry.path();
            }
    }
}

TEST(HelpBook, EveryContextOfTheEditorHasItsOwnPage) {
    using namespace shell;
    const HelpBook& book = EditorHelp();
    std::set<int> contexts = {kMainWindowContext, kKeyPadContext, kContentsContext, kAboutContext};
    for (const MenuItem& item : MenuTree())
        if (item.helpContext)
            contexts.insert(item.helpContext);
    EXPECT_EQ(contexts.size(), 29u);
    for (int c : contexts)
        if (c != kContentsContext) {
            EXPECT_NE(&book.PageForContext(c), &book.Contents()) << c;
        }
    struct Case {
        const HelpBook& book;
        int context;
        const char* file;
    } cases[] = {{book, 110, "keypad.html"},
                 {book, 300, "timers.html"},
                 {book, 0, "contents.html"},
                 {book, -5, "contents.html"},
                 {link::LinkHelp(), link::kTransferHelp, "transfers.html"},
                 {link::LinkHelp(), 99, "index.html"}};
    for (const Case& c : cases)
        EXPECT_STREQ(c.book.PageForContext(c.context).file, c.file) << c.context;
}

// The main window's page names every menu of the bar, the Edit menu, and each File command.
TEST(HelpBook, TheMainWindowPageNamesEveryMenuAndFileCommand) {
    std::ifstream in(fs::path(RC_SOURCE_DIR) / "src/shell/help/main.html");
    const std::string html((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> names = {"Edit", "Undo", "Redo"};
    for (const shell::MenuItem& item : shell::MenuTree())
        if (item.kind != shell::MenuKind::Separator && *item.caption &&
            (!*item.parent || std::string(item.parent) == "mnuFile")) {
            std::string caption = item.caption;
            std::erase(caption, '&');
            names.push_back(caption.substr(0, caption.find("...")));
        }
    EXPECT_GE(names.size(), 15u);
    for (const std::string& name : names)
        EXPECT_NE(html.find(name), std::string::npos) << name;
}

TEST(HelpBook, KeywordSearchStartsWithBeforeContainsInAnyCase) {
    struct Case {
        const HelpBook& book;
        const char* typed;
        const char* first;     // the first keyword listed; nullptr: none
        const char* firstPage; // its page
    } cases[] = {
        {shell::EditorHelp(), "TIME", "time request", "codes.html"},
        {shell::EditorHelp(), "no such words", nullptr, nullptr},
        {link::LinkHelp(), "call wait", "call waiting", "program_setup.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::vector<HelpIndexEntry> found = c.book.Match(c.typed);
        if (!c.first) {
            EXPECT_TRUE(found.empty());
            continue;
        }
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front().keyword, c.first);
        EXPECT_STREQ(found.front().page->file, c.firstPage);
    }
    for (const Book& b : kBooks)
        EXPECT_EQ(b.book.Match("").size(), b.book.Index().size());
}

// Results list the pages holding every word typed, a word finding those it begins, most hits first.
TEST(HelpWordIndex, FindsPagesByTheirWords) {
    const HelpPage a{"a.html", "A", {}, {}}, b{"b.html", "B", {}, {}}, c{"c.html", "C", {}, {}};
    HelpWordIndex index;
    index.AddPage(a, "Courtesy tone after the timer; the timer stops.");
    index.AddPage(b, "Repeater Sleep: the repeater sleeps after the sleep timer");
    index.AddPage(c, "Pre-Dial number 9, ID timer");
    using Hits = std::vector<std::pair<const HelpPage*, int>>;
    const std::pair<const char*, Hits> cases[] = {
        {"sleep", {{&b, 3}}},         {"TIMER", {{&a, 2}, {&b, 1}, {&c, 1}}},
        {"tim, courtesy", {{&a, 3}}}, {"pre-dial", {{&c, 2}}},
        {"sleep courtesy", {}},       {"  ", {}},
    };
    for (const auto& [query, hits] : cases) {
        Hits got;
        for (const HelpSearchHit& h : index.Find(query))
            got.emplace_back(h.page, h.count);
        EXPECT_EQ(got, hits) << query;
    }
}

} // namespace
} // namespace rc
