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

std::vector<std::string> HelpWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        // Bytes of UTF-8 sequences count as letters, so accented words stay whole.
        if (std::isalnum(u) || u >= 0x80) {
            word += static_cast<char>(std::tolower(u));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

void HelpWordIndex::AddPage(const HelpPage& page, std::string_view text) {
    const std::size_t number = pages_.size();
    pages_.push_back(&page);
    for (std::string& w : HelpWords(text))
        ++words_[std::move(w)][number];
}

std::vector<HelpSearchHit> HelpWordIndex::Find(std::string_view query) const {
    const std::vector<std::string> wanted = HelpWords(query);
    if (wanted.empty())
        return {};
    std::map<std::size_t, int> total;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        std::map<std::size_t, int> counts;
        for (auto it = words_.lower_bound(wanted[i]); it != words_.end() && it->first.starts_with(wanted[i]);
             ++it)
            for (const auto& [page, n] : it->second)
                counts[page] += n;
        // Only pages that hold every word stay.
        std::map<std::size_t, int> kept;
        for (const auto& [page, n] : counts)
            if (i == 0 || total.count(page))
                kept[page] = n + (i == 0 ? 0 : total[page]);
        total = std::move(kept);
    }
    std::vector<HelpSearchHit> hits;
    for (const auto& [page, n] : total)
        hits.push_back({pages_[page], n});
    std::stable_sort(hits.begin(), hits.end(),
                     [](const HelpSearchHit& a, const HelpSearchHit& b) { return a.count > b.count; });
    return hits;
}

} // namespace rc
