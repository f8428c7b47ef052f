#include <gtest/gtest.h>

#include "payments/positions.h"
#include "records/store/files.h"
#include "records/layouts/pozicije.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// The positions register as "number name" lines in key order.
std::vector<std::string> registerOf(Store& store) {
    std::vector<std::string> out;
    Pozicije poz;
    store.set(Pozicije::keyOznaka);
    while (ok(store.next(poz))) out.push_back(std::to_string(poz.oznaka) + " " + poz.naziv.str());
    return out;
}

void fillTo(Store& store, std::uint16_t highest) {
    EXPECT_EQ(store.removeAll(Pozicije::table), StoreCode::Ok);
    for (std::uint16_t p = 1; p <= highest; ++p) {
        Pozicije poz;
        poz.oznaka = p;
        poz.naziv = "P" + std::to_string(p);
        EXPECT_EQ(store.add(poz), StoreCode::Ok);
    }
}

// Start-up adds the crisis-tax positions once, and only to a register that ends at 12.
TEST(Positions, UpgradeAddsThirteenAndFourteenOnce) {
    test::TestData data;
    auto& [books, dir, store, messages, files] = data;
    ASSERT_EQ(files.open(Pozicije::table), StoreCode::Ok);
    struct Row {
        std::uint16_t highest;
        std::size_t sizeAfter;
    };
    for (const Row row : {Row{12, 14}, Row{14, 14}, Row{0, 0}, Row{11, 11}, Row{13, 13}, Row{20, 20}}) {
        fillTo(store, row.highest);
        ASSERT_EQ(upgradePositions(store), StoreCode::Ok);
        const auto once = registerOf(store);
        ASSERT_EQ(upgradePositions(store), StoreCode::Ok);
        EXPECT_EQ(registerOf(store), once) << row.highest;
        ASSERT_EQ(once.size(), row.sizeAfter) << row.highest;
        if (row.highest == 12) {
            EXPECT_EQ(once[12], "13 Kriznica");
            EXPECT_EQ(once[13], "14 Poslije Kriznice");
        }
    }
}

}  // namespace
}  // namespace pramo
