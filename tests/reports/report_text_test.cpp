#include <gtest/gtest.h>

#include "reports/report_text.h"

namespace pramo {
namespace {

TEST(AddressText, LeavesOutBlankPartsWithTheirSeparators) {
    struct Case {
        const char* place;
        const char* street;
        const char* houseNumber;
        const char* address;
    };
    const Case cases[] = {
        {"Zagreb", "Ilica", "1", "Zagreb, Ilica 1"},
        {"Zagreb", "Ilica", "", "Zagreb, Ilica"},
        {"Zagreb", "", "1", "Zagreb, 1"},
        {"", "Ilica", "1", "Ilica 1"},
        {"Zagreb", "", "", "Zagreb"},
        {"", "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addressText(c.place, c.street, c.houseNumber), c.address) << c.place << "|" << c.street << "|" << c.houseNumber;
}

}  // namespace
}  // namespace pramo
