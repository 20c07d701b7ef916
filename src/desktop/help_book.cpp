#include "desktop/help_book.h"

#include <algorithm>
#include <cctype>

namespace rc {

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

const HelpPage& HelpBook::PageForContext(int context) const {
    for (const HelpPage& page : pages)
        if (std::find(page.contexts.begin(), page.contexts.end(), context) != page.contexts.end())
            return page;
    return Contents();
}

const HelpPage* HelpBook::Find(const std::string& file) const {
    for (const HelpPage& page : pages)
        if (file == page.file)
            return &page;
    return nullptr;
}

std::vector<HelpIndexEntry> HelpBook::Index() const {
    std::vector<HelpIndexEntry> index;
    for (const HelpPage& page : pages)
        for (const char* k : page.keywords)
            index.push_back({k, &page});
    std::stable_sort(index.begin(), index.end(), [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
        return Lower(a.keyword) < Lower(b.keyword);
    });
    return index;
}

std::vector<HelpIndexEntry> HelpBook::Match(const std::string& text) const {
    std::string needle = Lower(text);
    std::vector<HelpIndexEntry> starts, inside;
    for (HelpIndexEntry& e : Index()) {
        std::size_t at = Lower(e.keyword).find(needle);
        if (at == 0)
            starts.push_back(std::move(e));
        else if (at != std::string::npos)
            inside.push_back(std::move(e));
    }
    starts.insert(starts.end(), inside.begin(), inside.end());
    return starts;
}

} // namespace rc
