#pragma once
// Pages written out for golden files: each page's paper, its text as the text export makes it,
// and every object drawn on it with its position, size, font and pen, in drawing order.

#include <string>
#include <vector>

#include "preview/page.h"

namespace pramo::test {

std::string dumpPages(const std::vector<Page>& pages);

// "line N: expected ... / drawn ..." for the first line where the two texts differ; empty when
// they are the same.
std::string firstDifference(const std::string& expected, const std::string& drawn);

}  // namespace pramo::test
