// Importing the municipalities' income-tax rates of one day: the registered municipalities' rows,
// everything or nothing, the same table twice changing nothing.

#include <gtest/gtest.h>

#include "records/layouts/opcine.h"
#include "records/layouts/stopeopcina.h"
#include "registers/stope_import.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

class StopeImport : public ::testing::Test {
protected:
    void SetUp() override { office.standardRegisters(); }  // ZAGREB 1333 and SPLIT 4090

    std::int64_t rows() {
        std::int64_t n = -1;
        EXPECT_EQ(data.store.count(Stopeopcina::table, n), StoreCode::Ok);
        return n;
    }
    // "23.00/33.00" for the municipality's row of that day; "none" without one.
    std::string rates(const char* code, Date day) {
        Stopeopcina sto{.opcina = code, .vrijediod = day};
        if (!ok(data.store.get(Stopeopcina::keyOpcinaDatum, sto))) return "none";
        return sto.nizastopa.toString() + "/" + sto.visastopa.toString();
    }

    test::TestData data;
    test::Office office{data.files};
    const Date march2025 = test::date(2025, 3, 1);
};

TEST_F(StopeImport, TheShippedTableLoadsTheRegisteredMunicipalitiesOnce) {
    const ImportOutcome first = importStope(data.store, shippedMunicipalRates().text, shippedRatesTable().from);
    ASSERT_TRUE(first.written()) << (first.problems.empty() ? "" : first.problems.front());
    EXPECT_EQ(shippedRatesTable().from, march2025);
    EXPECT_EQ(first.added, 2);
    EXPECT_EQ(first.skipped, 554);
    ASSERT_EQ(first.remarks.size(), 1u);
    EXPECT_NE(first.remarks.front().find("00019 ANDRIJAŠEVCI, 00027 ANTUNOVAC"), std::string::npos);
    EXPECT_TRUE(first.remarks.front().ends_with(" i još 544")) << first.remarks.front();  // ten named of 554
    EXPECT_EQ(rates("1333", march2025), "23.00/33.00");
    EXPECT_EQ(rates("4090", march2025), "21.00/32.00");

    const ImportOutcome again = importStope(data.store, shippedMunicipalRates().text, march2025);
    EXPECT_EQ(again.added + again.updated, 0);
    EXPECT_EQ(again.unchanged, 2);

    const ImportOutcome corrected = importStope(data.store, "01333\tZAGREB\t22,5\t33\n", march2025);
    EXPECT_EQ(corrected.updated, 1);
    EXPECT_EQ(rates("1333", march2025), "22.50/33.00");
    const ImportOutcome nextYear = importStope(data.store, "# stope od 1.1.2026.\nsifra\tnaziv\tniza\tvisa\n01333\tZAGREB\t23\t33\n",
                                               test::date(2026, 1, 1));
    EXPECT_EQ(nextYear.added, 1);
    EXPECT_EQ(rows(), 3);
}

TEST_F(StopeImport, ALineThatCannotBeTakenIsNamedAndNothingIsWritten) {
    const std::string good = "sifra\tnaziv\tniza\tvisa\n04090\tSPLIT\t20\t30\n";
    const struct {
        std::string line;
        const char* problem;
    } cases[] = {
        {"1333\tZAGREB\t23\t33", "redak 3: šifra '1333' nije pet znamenki s 0 na početku"},
        {"01333\tZAGREB\t23", "redak 3: očekuju se šifra, naziv, niža i viša stopa odvojeni tabulatorom"},
        {"01333\tZAGREB\t23,555\t33", "redak 3: niža stopa '23,555' nije postotak od 0 do 100 s najviše dvije decimale"},
        {"01333\tZAGREB\tdvadeset\t33", "redak 3: niža stopa 'dvadeset' nije postotak"},
        {"01333\tZAGREB\t23\t101", "redak 3: viša stopa '101' nije postotak"},
        {"01333\tZAGREB\t33\t23", "redak 3: niža stopa '33' veća je od više '23'"},
        {"04090\tSPLIT\t20\t30", "redak 3: šifra '04090' već je u retku 2"},
        {"01333\tZAGREB \xC8\t23\t33", "Windows-1250"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ImportOutcome out = importStope(data.store, good + c.line + "\n", march2025);
        ASSERT_FALSE(out.problems.empty());
        EXPECT_NE(out.problems.front().find(c.problem), std::string::npos) << out.problems.front();
        EXPECT_EQ(rows(), 0);
    }
    const ImportOutcome empty = importStope(data.store, "sifra\tnaziv\tniza\tvisa\n", march2025);
    ASSERT_EQ(empty.problems.size(), 1u);
    EXPECT_NE(empty.problems.front().find("nema nijedne stope"), std::string::npos);
}

}  // namespace
}  // namespace pramo
