// Importing municipalities and payees: everything or nothing, problems named by line.

#include <gtest/gtest.h>

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "registers/opcine_import.h"
#include "registers/osobe_import.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

class ImportTest : public ::testing::Test {
protected:
    std::int64_t count(const TableDef& t) {
        std::int64_t n = -1;
        EXPECT_EQ(data.store.count(t, n), StoreCode::Ok);
        return n;
    }
    template <class R>
    R read(std::int32_t number) {
        R rec;
        EXPECT_EQ(readLinked(data.store, number, rec), StoreCode::Ok) << R::table.name << " " << number;
        return rec;
    }

    test::TestData data;
    test::Office office{data.files};
};

TEST_F(ImportTest, ShippedMunicipalitiesLoadOnceAndUpdateByCode) {
    office.standardRegisters();  // ZAGREB 1333 and SPLIT 4090 as numbers 1 and 2
    ASSERT_EQ(count(Opcine::table), 2);  // the shipped list is not loaded by itself
    Opcine split = read<Opcine>(2);
    split.naziv = "Split (stari naziv)";
    ASSERT_EQ(data.store.put(split), StoreCode::Ok);

    const ImportOutcome first = importOpcine(data.store, shippedMunicipalities().text);
    ASSERT_TRUE(first.written()) << (first.problems.empty() ? "" : first.problems.front());
    EXPECT_EQ(first.added, 554);
    EXPECT_EQ(first.updated, 1);  // SPLIT gets its name back, keeping its number
    EXPECT_EQ(first.unchanged, 1);
    EXPECT_EQ(first.skipped, 14);  // "00000" and thirteen country codes
    EXPECT_EQ(count(Opcine::table), 556);
    EXPECT_EQ(read<Opcine>(2).naziv, "SPLIT");

    const Opcine netretic = read<Opcine>(246 + 2 - 1);  // numbered on after the two existing ones
    EXPECT_EQ(netretic.shifra, "2810");
    EXPECT_EQ(netretic.racunporez, "1728112002");
    EXPECT_EQ(netretic.rkont, "HR42");

    const ImportOutcome again = importOpcine(data.store, shippedMunicipalities().text);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.unchanged, 556);
    EXPECT_EQ(count(Opcine::table), 556);
}

TEST_F(ImportTest, AMalformedMunicipalityLineIsNamedAndNothingIsWritten) {
    const std::string good = "code\tname\tregos\trate\n01333\tZAGREB\t1333\t18\n";
    struct Case {
        const char* line;
        const char* problem;
    } const cases[] = {
        {"1333\tZAGREB\t1333\t18", "line 3: the code '1333' is not five digits"},
        {"01333\t\t1333\t18", "line 3: the name is blank"},
        {"05975\tKAŠTELIR - LABINCI (CASTELLIERE)\t5975\t5", "longer than 25 characters"},
        {"03697\tRAVNA GORA\t3697\t18445", "line 3: the surtax rate '18445' is not a percentage"},
        {"03697\tRAVNA GORA\t3697\t7,555", "line 3: the surtax rate '7,555'"},
        {"03697\tRAVNA GORA\t3697\tdeset", "line 3: the surtax rate 'deset'"},
        {"03697\tRAVNA \xC8 GORA\t3697\t7", "line 3: not UTF-8 text"},
    };
    for (const Case& c : cases) {
        const ImportOutcome out = importOpcine(data.store, good + c.line + "\n# comment\n04090\tSPLIT\t4090\t10\n");
        ASSERT_EQ(out.problems.size(), 1u) << c.line;
        EXPECT_NE(out.problems[0].find(c.problem), std::string::npos) << out.problems[0];
        EXPECT_EQ(count(Opcine::table), 0) << c.line;
    }
    const ImportOutcome rate = importOpcine(data.store, good + "03697\tRAVNA GORA\t3697\t7,5\n");
    ASSERT_TRUE(rate.written());
    EXPECT_EQ(read<Opcine>(2).stopaprireza, test::rate7("7.50"));
}

TEST_F(ImportTest, PayeesFindOrCreateTheirPlaceAndStreetAndGetIbanCheckDigits) {
    office.standardRegisters();  // payees 1 to 3, bank 2360000, places Zagreb and Split, streets Ilica and Marmontova
    const ImportOutcome out = importOsobe(data.store,
        "Prezime;Ime;OIB;MJESTO;ulica;KUCNIBROJ;BANKA;RACUN;DRUGISTUP;FAKTORODBITKA;OPCINA;POSTBROJ\n"
        "Babić;Marko;00000000001;ZAGREB;Ilica;5;2360000;1234567890;NE;1,5;;\n"
        "\n"
        "\"Perić, ml.\";Iva;;Samobor;Nova ulica;2a;;HR6023600001101234567;;;1333;10430\n"
        "Jurić;Ana;;;;;;;;;;\n");
    ASSERT_TRUE(out.written()) << (out.problems.empty() ? "" : out.problems.front());
    EXPECT_EQ(out.added, 3);
    const Osobe babic = read<Osobe>(4), peric = read<Osobe>(5), juric = read<Osobe>(6);
    EXPECT_EQ(babic.mjesto, 1);  // found by name without regard to case
    EXPECT_EQ(babic.ulica, 1);
    EXPECT_EQ(babic.drugistup, "NE");
    EXPECT_EQ(babic.faktorodbitka, test::rate("1.50"));
    EXPECT_EQ(babic.banka, 1);
    EXPECT_EQ(babic.rkont, "HR42");
    EXPECT_EQ(peric.prezime, "Perić, ml.");
    EXPECT_EQ(peric.racun, "1101234567");  // an IBAN in RACUN gives the bank and the account
    EXPECT_EQ(peric.banka, 1);
    EXPECT_EQ(peric.rkont, "HR60");
    const Mjesta samobor = read<Mjesta>(peric.mjesto);
    EXPECT_EQ(samobor.oznaka, 3);
    EXPECT_EQ(samobor.opcina, 1);
    EXPECT_EQ(samobor.postbroj, "10430");
    EXPECT_EQ(read<Ulice>(peric.ulica).naziv, "Nova ulica");
    EXPECT_EQ(juric.drugistup, "DA");  // the defaults of a new payee
    EXPECT_EQ(juric.fax, "NE");
    EXPECT_EQ(juric.mjesto, 0);
}

TEST_F(ImportTest, APayeeLineThatCannotBeImportedIsNamedAndNothingIsWritten) {
    office.standardRegisters();
    const std::string heading = "PREZIME,IME,OIB,BANKA,RACUN,MJESTO\n";
    struct Case {
        const char* line;
        const char* problem;
    } const cases[] = {
        {"Novak,Ivo,69435151530,,,Rijeka", "line 3: OIB 69435151530 belongs to payee 1 Horvat Ivan (OSO:KeyOIB)"},
        {"Novak,Ivo,00000000001,,,Rijeka", "line 3: OIB 00000000001 is also on line 2 (OSO:KeyOIB)"},
        {"Novak,Ivo,00000000002,,,", "line 3: OIB '00000000002' is not 11 digits with a correct check digit"},
        {"Novak,Ivo,,1234567,1234567890,", "line 3: no bank has the code '1234567'"},
        {"Novak,Ivo,,2360000,12345,", "line 3: RACUN '12345' is neither"},
        {"Novak,Ivo,,,HR0023600001101234567,", "line 3: the IBAN HR0023600001101234567 has wrong check digits"},
        {"Novak,Ivo,,,,,extra", "line 3: 7 cells, but the heading names 6 columns"},
        {"\"Novak,Ivo,,,,", "line 3: a quote is not closed"},
        {"Novakovićević-Horvatinčić-Babić,Ivo,,,,", "line 3: PREZIME"},
    };
    for (const Case& c : cases) {
        const ImportOutcome out = importOsobe(data.store, heading + "Prvi,Redak,00000000001,,,Rijeka\n" + c.line + "\n");
        ASSERT_EQ(out.problems.size(), 1u) << c.line;
        EXPECT_NE(out.problems[0].find(c.problem), std::string::npos) << out.problems[0];
        EXPECT_EQ(count(Osobe::table), 3) << c.line;
        EXPECT_EQ(count(Mjesta::table), 2) << c.line;  // Rijeka is not created either
    }
    for (const char* bad : {"OZNAKA,PREZIME\n", "PREZIME,NADIMAK\n", "PREZIME,prezime\n"}) {
        const ImportOutcome out = importOsobe(data.store, bad);
        ASSERT_EQ(out.problems.size(), 1u) << bad;
        EXPECT_TRUE(out.problems[0].starts_with("line 1: ")) << out.problems[0];
    }
}

}  // namespace
}  // namespace pramo
