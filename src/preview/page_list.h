#pragma once
// The finished pages of one report as the previews hold them: pages in order (a page's number is
// its place in the list, from 1) and a print mark per page.

#include <vector>

#include "preview/page.h"
#include "preview/page_selection.h"

namespace pramo {

class PageList {
public:
    PageList() = default;
    explicit PageList(std::vector<Page> pages) : pages_(std::move(pages)), marks_(pages_.size(), false) {}

    int count() const { return static_cast<int>(pages_.size()); }
    bool empty() const { return pages_.empty(); }
    const Page& page(int n) const { return pages_.at(static_cast<std::size_t>(n - 1)); }
    const std::vector<Page>& pages() const { return pages_; }

    bool marked(int n) const { return marks_.at(static_cast<std::size_t>(n - 1)); }
    void toggleMark(int n);
    int markedCount() const { return marked_; }
    const std::vector<bool>& marks() const { return marks_; }

    // Removes page n and its mark; the pages after it move up by one.
    void erase(int n);

    // The pages a selection keeps, and the same expanded for copies.
    std::vector<const Page*> selected(const PageSelection& selection) const;
    std::vector<const Page*> pagesOf(const std::vector<int>& numbers) const;

    // Numbers every page ("Page xxxxx of xxxxx").
    void numberPages();

private:
    std::vector<Page> pages_;
    std::vector<bool> marks_;
    int marked_ = 0;
};

}  // namespace pramo
