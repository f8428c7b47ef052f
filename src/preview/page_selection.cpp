#include "preview/page_selection.h"

namespace pramo {
namespace {

bool excluded(const PageSelection& s, int page, bool marked) {
    switch (s.choice) {
    case PageChoice::All: return false;
    case PageChoice::Marked: return !marked;
    case PageChoice::Unmarked: return marked;
    case PageChoice::Range: return page < s.from || page > s.to;
    }
    return false;
}

}  // namespace

std::vector<int> selectPages(const std::vector<bool>& marks, const PageSelection& selection) {
    std::vector<int> pages;
    for (int n = 1; n <= static_cast<int>(marks.size()); ++n) pages.push_back(n);
    for (auto i = pages.size(); i-- > 0;) {  // from the last entry to the first
        if (excluded(selection, pages[i], marks[i])) pages.erase(pages.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return pages;
}

std::vector<int> expandCopies(const std::vector<int>& pages, int copies, bool collate) {
    std::vector<int> out;
    if (collate) {
        for (int c = 0; c < copies; ++c) out.insert(out.end(), pages.begin(), pages.end());
    } else {
        for (int page : pages) out.insert(out.end(), static_cast<std::size_t>(copies < 0 ? 0 : copies), page);
    }
    return out;
}

}  // namespace pramo
