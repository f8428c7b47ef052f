#include "preview/page_list.h"

#include "preview/page_numbers.h"

namespace pramo {

void PageList::toggleMark(int n) {
    auto mark = marks_.at(static_cast<std::size_t>(n - 1));
    mark = !mark;
    marked_ += mark ? 1 : -1;
}

void PageList::erase(int n) {
    const auto i = static_cast<std::ptrdiff_t>(n - 1);
    if (marked(n)) --marked_;
    pages_.erase(pages_.begin() + i);
    marks_.erase(marks_.begin() + i);
}

std::vector<const Page*> PageList::selected(const PageSelection& selection) const {
    return pagesOf(selectPages(marks_, selection));
}

std::vector<const Page*> PageList::pagesOf(const std::vector<int>& numbers) const {
    std::vector<const Page*> out;
    out.reserve(numbers.size());
    for (int n : numbers) out.push_back(&page(n));
    return out;
}

void PageList::numberPages() {
    pramo::numberPages(pages_);
}

}  // namespace pramo
