#include <gtest/gtest.h>

#include "payments/item_calculation.h"
#include "payments/lines.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"
#include "support/calc_data.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// The lines of the worked example: net 1000.00, single rate, surtax 18, payee in pillar II.
const char* const example[] = {"1439.26", "0.00", "431.78", "1007.48", "151.12", "50.37",
                               "805.99",  "201.50", "36.27", "1000.00", "151.12", "0.00"};

class ItemCalculationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        test::fillCalcRegisters(files);
    }

    // Position -> amount of the item's stored lines, in the order they are read.
    std::vector<std::pair<int, std::string>> stored(std::int32_t item) {
        std::vector<Obracun> lines;
        EXPECT_EQ(readLines(store, item, lines), StoreCode::Ok);
        std::vector<std::pair<int, std::string>> out;
        for (const Obracun& l : lines) out.emplace_back(l.pozicija, l.iznos.toString());
        return out;
    }
    std::vector<std::pair<int, std::string>> expected(const char* const (&amounts)[12]) {
        std::vector<std::pair<int, std::string>> out;
        for (int p = 1; p <= 12; ++p) out.emplace_back(p, amounts[p - 1]);
        return out;
    }
    void setLine(std::int32_t item, std::uint16_t position, const char* amount) {
        ASSERT_EQ(writeLine(store, item, position, *Money::parse(amount)), StoreCode::Ok);
    }
    std::string line(std::int32_t item, Pozicija position) {
        Obracun obr;
        const StoreCode c = readLine(store, item, position, obr);
        return ok(c) ? obr.iznos.toString() : "code " + std::to_string(number(c));
    }

    test::TempDir dir;
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
    FixedClock clock{*Date::fromYmd(2015, 3, 1)};
    ItemCalculation calc{store, clock};
    Loc loc;
};

TEST_F(ItemCalculationTest, WritesTheTwelveLines) {
    const Dohoci doh = test::addItem(store, 1, 1, 1, "1000.00");
    const CalcOutcome out = calc.calculate(doh, loc);
    ASSERT_EQ(out.status, CalcStatus::Done) << out.message;
    EXPECT_EQ(out.message, "");
    EXPECT_EQ(stored(1), expected(example));
    EXPECT_EQ(loc.bruto.toString(), "1439.26");
    EXPECT_EQ(loc.i.toString(), "1.1800");
    EXPECT_EQ(calc.references().surtaxRate().toString(), "18.00");
}

TEST_F(ItemCalculationTest, MultipleRateTypeIsCalculatedByBrackets) {
    const Dohoci doh = test::addItem(store, 1, 1, 2, "5000.00");
    ASSERT_TRUE(calc.calculate(doh, loc).written());
    const char* const lines[] = {"7116.18", "0.00", "0.00", "7116.18", "1067.43", "355.81",
                                 "5692.94", "587.24", "105.70", "5000.00", "1067.43", "2200.00"};
    EXPECT_EQ(stored(1), expected(lines));
}

TEST_F(ItemCalculationTest, PayeeOutsidePillarTwo) {
    Osobe oso;
    oso.oznaka = 1;
    ASSERT_EQ(store.get(Osobe::keyOznaka, oso), StoreCode::Ok);
    oso.drugistup = "NE";
    ASSERT_EQ(store.put(oso), StoreCode::Ok);
    ASSERT_TRUE(calc.calculate(test::addItem(store, 1, 1, 1, "1000.00"), loc).written());
    EXPECT_EQ(line(1, Pozicija::MirovinskoI), "201.49");
    EXPECT_EQ(line(1, Pozicija::MirovinskoII), "0.00");
}

// A recalculation after the payee or type changed rewrites 1 to 12 and nothing else: lines added
// before keep their place in the item's order, crisis-tax and hand-entered lines keep their amounts.
TEST_F(ItemCalculationTest, RecalculationLeavesOtherPositionsAlone) {
    Dohoci doh = test::addItem(store, 1, 1, 2, "5000.00");
    setLine(1, 20, "7.77");
    ASSERT_TRUE(calc.calculate(doh, loc).written());
    setLine(1, 13, "123.45");
    setLine(1, 14, "4876.55");
    doh.vrstadohotka = 1;
    doh.neto = *Money::parse("1000.00");
    ASSERT_TRUE(calc.calculate(doh, loc).written());
    auto want = expected(example);
    want.insert(want.begin(), {20, "7.77"});
    want.emplace_back(13, "123.45");
    want.emplace_back(14, "4876.55");
    EXPECT_EQ(stored(1), want);
    EXPECT_EQ(stored(2), (std::vector<std::pair<int, std::string>>{}));
}

TEST_F(ItemCalculationTest, FromGross) {
    Dohoci doh = test::addItem(store, 1, 1, 1, "0.00");
    loc.bruto = *Money::parse("1500.00");
    ASSERT_TRUE(calc.calculateFromGross(doh, loc).written());
    EXPECT_EQ(doh.neto.toString(), "1042.20");
    EXPECT_EQ(line(1, Pozicija::Bruto), "1500.00");
    EXPECT_EQ(line(1, Pozicija::Neto), "1042.20");
}

// For a multiple-rate type the gross button calculates from the stored net and ignores the gross.
TEST_F(ItemCalculationTest, FromGrossOfMultipleRateTypeUsesTheNet) {
    Dohoci doh = test::addItem(store, 1, 1, 2, "5000.00");
    loc.bruto = *Money::parse("1500.00");
    ASSERT_TRUE(calc.calculateFromGross(doh, loc).written());
    EXPECT_EQ(doh.neto.toString(), "5000.00");
    EXPECT_EQ(line(1, Pozicija::Bruto), "7116.18");
}

// Crisis tax only while today (not the payment date) is in 2010 or earlier; lines 13 and 14 keep
// the tax of the earlier net after a recalculation lowers the net.
TEST_F(ItemCalculationTest, CrisisTaxByClockYear) {
    Dohoci doh = test::addItem(store, 1, 1, 1, "6000.01");
    clock.set(*Date::fromYmd(2010, 12, 31));
    ASSERT_TRUE(calc.calculate(doh, loc).written());
    EXPECT_EQ(loc.kstopa.toString(), "4.000");
    ASSERT_TRUE(calc.kriznica(doh, loc).written());
    EXPECT_EQ(line(1, Pozicija::Kriznica), "240.00");
    EXPECT_EQ(line(1, Pozicija::PoslijeKriznice), "5760.01");
    doh.neto = *Money::parse("100.00");
    ASSERT_TRUE(calc.calculate(doh, loc).written());
    EXPECT_EQ(line(1, Pozicija::Kriznica), "240.00");
    EXPECT_EQ(line(1, Pozicija::PoslijeKriznice), "5760.01");
    clock.set(*Date::fromYmd(2011, 1, 1));
    doh.neto = *Money::parse("6000.01");
    ASSERT_TRUE(calc.calculate(doh, loc).written());
    EXPECT_EQ(loc.kstopa.toString(), "0.000");
}

// Without a municipality to follow, the surtax rate is 0 and the caller is told why.
TEST_F(ItemCalculationTest, MissingResidenceMeansNoSurtax) {
    const char* const lines[] = {"1388.88", "0.00", "416.66", "972.22", "145.83", "48.61",
                                 "777.78",  "194.44", "0.00", "1000.00", "145.83", "0.00"};
    struct Row {
        std::int32_t mjesto;
        bool removeMunicipality;
        const char* message;
    };
    const Row rows[] = {
        {0, false, "Primatelj nema upisano mjesto stanovanja; prirez je obračunat po stopi 0."},
        {9, false, "Mjesto 9 primatelja nije upisano; prirez je obračunat po stopi 0."},
        {1, true, "Općina 1 mjesta Zagreb nije upisana; prirez je obračunat po stopi 0."}};
    std::int32_t item = 0;
    for (const Row& row : rows) {
        Osobe oso;
        oso.oznaka = 1;
        ASSERT_EQ(store.get(Osobe::keyOznaka, oso), StoreCode::Ok);
        oso.mjesto = row.mjesto;
        ASSERT_EQ(store.put(oso), StoreCode::Ok);
        Opcine opc;
        opc.oznaka = 1;
        if (row.removeMunicipality) {
            ASSERT_EQ(store.get(Opcine::keyOznaka, opc), StoreCode::Ok);
            ASSERT_EQ(store.erase(opc), StoreCode::Ok);
        }
        const CalcOutcome out = calc.calculate(test::addItem(store, ++item, 1, 1, "1000.00"), loc);
        EXPECT_EQ(out.status, CalcStatus::Done);
        EXPECT_TRUE(out.surtaxAssumedZero);
        EXPECT_EQ(out.message, row.message);
        EXPECT_EQ(stored(item), expected(lines));
    }
}

// An item that cannot be calculated writes nothing and leaves the caller's values alone.
TEST_F(ItemCalculationTest, RefusalsWriteNothing) {
    struct Row {
        std::int32_t payee;
        std::uint8_t type;
        const char* neto;
        CalcStatus status;
        const char* message;
    };
    const Row rows[] = {
        {0, 1, "1000.00", CalcStatus::NoPayee, "Odaberi djelatnika"},
        {7, 1, "1000.00", CalcStatus::PayeeMissing, "Primatelj 7 nije upisan; obračun nije napravljen."},
        {1, 9, "1000.00", CalcStatus::TypeMissing, "Vrsta dohotka 9 nije upisana; obračun nije napravljen."},
        {1, 1, "999999999.99", CalcStatus::Overflow, "Iznos obračuna ne stane u svoje polje; ništa nije upisano."},
        {1, 4, "1000.00", CalcStatus::BadRates, "Stopa poreza 200,00 % nije između 0 i 100 %; obračun nije napravljen."}};
    Vrstedoh tooHigh{.oznaka = 4, .poreznastopa = *Rate::parse("200")};  // a rate put in with another tool
    ASSERT_EQ(store.add(tooHigh), StoreCode::Ok);
    std::int32_t item = 0;
    for (const Row& row : rows) {
        Dohoci doh = test::addItem(store, ++item, row.payee, row.type, row.neto);
        setLine(item, 1, "5.00");
        loc.bruto = *Money::parse("3.00");
        const CalcOutcome out = calc.calculate(doh, loc);
        EXPECT_EQ(out.status, row.status) << row.message;
        EXPECT_EQ(out.message, row.message);
        EXPECT_EQ(stored(item), (std::vector<std::pair<int, std::string>>{{1, "5.00"}})) << row.message;
        EXPECT_EQ(loc.bruto.toString(), "3.00");
        EXPECT_EQ(calc.calculateFromGross(doh, loc).status, row.status == CalcStatus::Overflow ? CalcStatus::Done : row.status);
    }
}

// Rates that make a divisor zero still give lines (those steps are 0) and say so.
TEST_F(ItemCalculationTest, ZeroDivisorIsFlagged) {
    Vrstedoh vrs;
    vrs.oznaka = 3;
    vrs.mirovinskoistup = *Rate::parse("60");
    vrs.mirovinskoiistup = *Rate::parse("40");
    vrs.poreznastopa = *Rate::parse("25");
    ASSERT_EQ(store.add(vrs), StoreCode::Ok);
    const CalcOutcome out = calc.calculate(test::addItem(store, 1, 1, 3, "1000.00"), loc);
    EXPECT_EQ(out.status, CalcStatus::Done);
    EXPECT_TRUE(out.divisorZero);
    EXPECT_EQ(out.message, "Stope vrste dohotka daju dijeljenje nulom; ti su iznosi obračunati kao 0.");
    EXPECT_EQ(line(1, Pozicija::Bruto), "1000.00");
}

// The lines go in as one transaction, which nests inside a caller's own.
TEST_F(ItemCalculationTest, WritesInsideTheCallersTransaction) {
    const Dohoci doh = test::addItem(store, 1, 1, 1, "1000.00");
    {
        Transaction outer(store, Store::lockWaitSeconds);
        ASSERT_TRUE(outer.began());
        ASSERT_TRUE(calc.calculate(doh, loc).written());
        EXPECT_EQ(line(1, Pozicija::Bruto), "1439.26");
        outer.rollback();
    }
    EXPECT_EQ(stored(1), (std::vector<std::pair<int, std::string>>{}));
    EXPECT_EQ(store.transactionDepth(), 0);
}

TEST_F(ItemCalculationTest, OneLineOfAnItem) {
    ASSERT_TRUE(calc.calculate(test::addItem(store, 1, 1, 1, "1000.00"), loc).written());
    EXPECT_EQ(line(1, Pozicija::Prirez), "36.27");
    EXPECT_EQ(line(1, Pozicija::Kriznica), "code 35");
    EXPECT_EQ(line(2, Pozicija::Bruto), "code 35");
}

TEST_F(ItemCalculationTest, PaymentMethodSlot) {
    std::int16_t method = 0;
    ASSERT_EQ(readPaymentMethod(store, 1, method), StoreCode::Ok);
    EXPECT_EQ(method, 2);  // no slot: documents use 2
    EXPECT_EQ(writePaymentMethod(store, 1, 5), MethodWrite::Written);
    EXPECT_EQ(writePaymentMethod(store, 1, 3), MethodWrite::Written);
    EXPECT_EQ(writePaymentMethod(store, 1, 0), MethodWrite::NotChosen);
    EXPECT_EQ(writePaymentMethod(store, 1, 8), MethodWrite::NotChosen);
    ASSERT_EQ(readPaymentMethod(store, 1, method), StoreCode::Ok);
    EXPECT_EQ(method, 3);
    std::int64_t slots = 0;
    ASSERT_EQ(store.count(Svasta::table, slots), StoreCode::Ok);
    EXPECT_EQ(slots, 1);
}

}  // namespace
}  // namespace pramo
