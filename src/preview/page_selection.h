#pragma once
// Which pages of a list go to the printer or into a file, and in what order with copies.

#include <vector>

namespace pramo {

enum class PageChoice { All = 1, Marked = 2, Unmarked = 3, Range = 4 };

struct PageSelection {
    PageChoice choice = PageChoice::All;
    int from = 1;  // the range, both ends included
    int to = 1;
};

// The numbers (from 1) of the pages the selection keeps, in page order. `marks` holds one flag
// per page.
std::vector<int> selectPages(const std::vector<bool>& marks, const PageSelection& selection);

// The pages as they are printed with copies: collated, the whole list again and again
// (1 2 3 1 2 3); otherwise each page repeated in its place (1 1 2 2 3 3).
std::vector<int> expandCopies(const std::vector<int>& pages, int copies, bool collate);

}  // namespace pramo
