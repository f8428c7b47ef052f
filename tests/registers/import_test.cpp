// Importing municipalities and payees: everything or nothing, problems named by line.

#include <gtest/gtest.h>

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "registers/delimited_text.h"
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
    EXPECT_EQ(first.added, 567);  // with the thirteen countries abroad
    EXPECT_EQ(first.updated, 1);  // SPLIT gets its name back, keeping its number
    EXPECT_EQ(first.unchanged, 1);
    EXPECT_EQ(first.skipped, 1);  // "00000"
    EXPECT_EQ(count(Opcine::table), 569);
    EXPECT_EQ(read<Opcine>(2).naziv, "SPLIT");

    const Opcine netretic = read<Opcine>(246 + 2 - 1);  // numbered on after the two existing ones
    EXPECT_EQ(netretic.shifra, "2810");
    EXPECT_EQ(netretic.racunporez, "1728112002");
    EXPECT_EQ(netretic.rkont, "HR42");

    const Opcine austria = read<Opcine>(569 - 12);  // the first country, after the municipalities
    EXPECT_EQ(austria.shifra, "99404");  // all five digits: a country has no "0" to drop
    EXPECT_EQ(austria.naziv, "AUSTRIJA");
    EXPECT_EQ(austria.racunporez, "");  // no tax account abroad
    EXPECT_EQ(austria.rkont, "");
    EXPECT_EQ(austria.stopaprireza, test::rate7("0"));

    const ImportOutcome again = importOpcine(data.store, shippedMunicipalities().text);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.unchanged, 569);
    EXPECT_EQ(count(Opcine::table), 569);
}

TEST_F(ImportTest, AMalformedMunicipalityLineIsNamedAndNothingIsWritten) {
    const std::string good = "code\tname\tregos\trate\n01333\tZAGREB\t1333\t18\n";
    struct Case {
        std::string line;
        const char* problem;
    } const cases[] = {
        {"1333\tZAGREB\t1333\t18", "redak 3: šifra '1333' nije pet znamenki"},
        {"12345\tZAGREB\t1333\t18", "redak 3: šifra '12345' nije pet znamenki s 0 (općina) ili 99 (država)"},
        {"99404\tAUSTRIJA\t404\t0\n99404\tAUSTRIJA\t404\t0", "redak 4: šifra '99404' već je u retku 3"},
        {"01333\t\t1333\t18", "redak 3: naziv je prazan"},
        {"05975\tKAŠTELIR - LABINCI (CASTELLIERE)\t5975\t5", "dulji je od 25 znakova"},
        {"03697\tRAVNA GORA\t3697\t18445", "redak 3: stopa prireza '18445' nije postotak"},
        {"03697\tRAVNA GORA\t3697\t7,555", "redak 3: stopa prireza '7,555'"},
        {"03697\tRAVNA GORA\t3697\tdeset", "redak 3: stopa prireza 'deset'"},
        {"03697\tRAVNA \xC8 GORA\t3697\t7", "redak 3: tekst nije UTF-8, datoteka izgleda kao Windows-1250"},
        {"01333\tZAGREB-CENTAR\t1333\t18", "redak 3: šifra '01333' već je u retku 2"},
        {std::string("03697\tRAVNA\0GORA\t3697\t7", 23), "redak 3: naziv (stupac 2) se ne može uvesti: kontrolni znak U+0000 (6. znak)"},
        {"03697\tRAVNA \x1B[1mGORA\t3697\t7", "redak 3: naziv (stupac 2) se ne može uvesti: kontrolni znak U+001B (7. znak)"},
        {"03697\tRAVNA GORA\x07\t3697\t7", "kontrolni znak U+0007 (11. znak)"},
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
        std::string line;
        std::string problem;
    } const cases[] = {
        {"Novak,Ivo,69435151530,,,Rijeka", "redak 3: OIB 69435151530 već ima primatelj 1 Horvat Ivan (OSO:KeyOIB)"},
        {"Novak,Ivo,00000000001,,,Rijeka", "redak 3: OIB 00000000001 je i u retku 2 (OSO:KeyOIB)"},
        {"Novak,Ivo,00000000002,,,", "redak 3: OIB '00000000002' nije 11 znamenki s ispravnom kontrolnom znamenkom"},
        {"Novak,Ivo,,1234567,1234567890,", "redak 3: nijedna banka nema vodeći broj '1234567'"},
        {"Novak,Ivo,,2360000,12345,", "redak 3: RACUN '12345' nije ni"},
        {"Novak,Ivo,,,HR0023600001101234567,", "redak 3: IBAN HR0023600001101234567 ima pogrešne kontrolne znamenke"},
        {"Novak,Ivo,,2340009,HR6023600001101234567,", "redak 3: BANKA '2340009' nije vodeći broj banke u IBAN-u HR6023600001101234567"},
        {"Novak,Ivo,,,,,extra", "redak 3: ćelija je 7, a zaglavlje imenuje 6 stupaca"},
        {"\"Novak,Ivo,,,,", "redak 3: navodnik nije zatvoren"},
        {"Novakovićević-Horvatinčić-Babić,Ivo,,,,", "redak 3: PREZIME"},
        {std::string("No\0vak,Ivo,,,,", 14), "redak 3: stupac PREZIME se ne može uvesti: kontrolni znak U+0000 (3. znak)"},
        {"Novak,I\x1B]0;x\x07vo,,,,", "redak 3: stupac IME se ne može uvesti: kontrolni znak U+001B (2. znak)"},
        {"Novak,Ivo,,,,Ri\x07jeka", "redak 3: stupac MJESTO se ne može uvesti: kontrolni znak U+0007 (3. znak)"},
        {"Novak,Ivo,,,,\"Rijeka\xED\xA0\x80\"", "stupac MJESTO se ne može uvesti: bajtovi ED A0 80 nisu ispravan UTF-8 (7. znak)"},
        {"Novak,Ivo,,,," + std::string(1 << 20, 'x'), "redak 3: MJESTO '" + std::string(40, 'x') + "...' dulji je od 25 znakova"},
    };
    for (const Case& c : cases) {
        const ImportOutcome out = importOsobe(data.store, heading + "Prvi,Redak,00000000001,,,Rijeka\n" + c.line + "\n");
        ASSERT_EQ(out.problems.size(), 1u) << c.line.substr(0, 80);
        EXPECT_NE(out.problems[0].find(c.problem), std::string::npos) << out.problems[0].substr(0, 200);
        EXPECT_LT(out.problems[0].size(), 200u);  // a long value is cut in the message
        EXPECT_EQ(count(Osobe::table), 3) << c.line;
        EXPECT_EQ(count(Mjesta::table), 2) << c.line;  // Rijeka is not created either
    }
    for (const char* bad : {"OZNAKA,PREZIME\n", "PREZIME,NADIMAK\n", "PREZIME,prezime\n"}) {
        const ImportOutcome out = importOsobe(data.store, bad);
        ASSERT_EQ(out.problems.size(), 1u) << bad;
        EXPECT_TRUE(out.problems[0].starts_with("redak 1: ")) << out.problems[0];
    }
}

// A line of code and name only renames a municipality and keeps its surtax rate; a new one
// without the rate column has none.
TEST_F(ImportTest, AMunicipalityLineWithoutRateKeepsTheStoredRate) {
    office.standardRegisters();  // ZAGREB 18 %, SPLIT 10 %
    const ImportOutcome out = importOpcine(data.store, "01333\tGRAD ZAGREB\n04090\tSPLIT\t4090\n00019\tANDRIJAŠEVCI\n");
    ASSERT_TRUE(out.written()) << (out.problems.empty() ? "" : out.problems.front());
    EXPECT_EQ(read<Opcine>(1).naziv, "GRAD ZAGREB");
    EXPECT_EQ(read<Opcine>(1).stopaprireza, test::rate7("18"));
    EXPECT_EQ(read<Opcine>(2).stopaprireza, test::rate7("10"));
    EXPECT_EQ(read<Opcine>(3).stopaprireza, test::rate7("0"));
}

// Files refused as a whole, with nothing written: no municipality in them, not UTF-8 (saying
// which encoding they seem to be in), no heading.
TEST_F(ImportTest, AFileThatCannotBeReadIsRefusedAsAWhole) {
    using Import = ImportOutcome (*)(Store&, std::string_view);
    const struct {
        Import import;
        std::string data;
        const char* says;
    } cases[] = {
        {importOpcine, "", "u datoteci nema nijedne općine: svaki redak mora imati šifra, naziv"},
        {importOpcine, "code\tname\tregos\trate\n# nothing else\n", "u datoteci nema nijedne općine"},
        {importOpcine, "00019,ANDRIJAŠEVCI,19,18\n", "(stupci ove datoteke odvojeni su zarezom ili točkom sa zarezom)"},
        {importOpcine, std::string("\xFF\xFE" "0\0" "1\0" "3\0" "3\0" "3\0\t\0Z\0", 16), "nije UTF-8 tekst, izgleda kao UTF-16 LE"},
        {importOsobe, "", "datoteka je prazna: njen prvi redak mora imenovati stupce"},
        {importOsobe, std::string("P\0R\0E\0Z\0I\0M\0E\0\n\0H\0", 18), "nije UTF-8 tekst, izgleda kao UTF-16 LE"},
        {importOsobe, std::string("\xFE\xFF\0P\0R\0E\0Z", 10), "nije UTF-8 tekst, izgleda kao UTF-16 BE"},
        {importOsobe, std::string("\0P\0R\0E\0Z\0I\0M\0E\0\n\0H", 18), "nije UTF-8 tekst, izgleda kao UTF-16 BE"},
        {importOsobe, "PREZIME,IME\nHorvat,Ivan\nKos,\xC8" "edo\n", "redak 3: tekst nije UTF-8, datoteka izgleda kao Windows-1250"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.data));
        const ImportOutcome out = c.import(data.store, c.data);
        ASSERT_EQ(out.problems.size(), 1u);
        EXPECT_NE(out.problems[0].find(c.says), std::string::npos) << out.problems[0];
        EXPECT_EQ(count(Opcine::table) + count(Osobe::table), 0);
    }
}

// Files saved on Windows: the CR of each CR LF is not part of the last cell.
TEST_F(ImportTest, CrLfLineEnds) {
    office.standardRegisters();
    const ImportOutcome opcine = importOpcine(data.store, "code\tname\tregos\trate\r\n04090\tSPLIT\t4090\t10,5\r\n");
    ASSERT_TRUE(opcine.written()) << (opcine.problems.empty() ? "" : opcine.problems.front());
    EXPECT_EQ(read<Opcine>(2).stopaprireza, test::rate7("10.5"));
    const ImportOutcome osobe = importOsobe(data.store, "PREZIME;IME;MJESTO\r\nKos;Iva;Split\r\n\"Kos\";\"Ana\";\"Zagreb\"\r\n");
    ASSERT_TRUE(osobe.written()) << (osobe.problems.empty() ? "" : osobe.problems.front());
    EXPECT_EQ(read<Osobe>(4).mjesto, 2);  // found, not "Split\r" created
    EXPECT_EQ(read<Osobe>(5).ime, "Ana");
    EXPECT_EQ(count(Mjesta::table), 2);
}

// A line break inside a quoted cell belongs to the cell (read as one blank); the lines after it
// keep their numbers.
TEST_F(ImportTest, AQuotedLineBreakIsPartOfTheCell) {
    const std::string file = "PREZIME,IME,OIB\n\"Kos\r\nml.\",Iva,\n";
    const ImportOutcome bad = importOsobe(data.store, file + "Horvat,Ana,123\n");
    ASSERT_EQ(bad.problems.size(), 1u);
    EXPECT_TRUE(bad.problems[0].starts_with("redak 4: OIB '123'")) << bad.problems[0];
    const ImportOutcome good = importOsobe(data.store, file + "Horvat,Ana,\n");
    ASSERT_TRUE(good.written()) << (good.problems.empty() ? "" : good.problems.front());
    EXPECT_EQ(read<Osobe>(1).prezime, "Kos ml.");
    EXPECT_EQ(read<Osobe>(2).prezime, "Horvat");
}

// How a record is cut into cells.
TEST(CsvCells, Quoting) {
    using Cells = std::optional<std::vector<std::string>>;
    const std::pair<const char*, Cells> cases[] = {
        {"\"\",b", Cells{{"", "b"}}},                  // an empty quoted cell is empty, not a quote
        {"a,\"\"", Cells{{"a", ""}}},
        {"\"\"\"\"", Cells{{"\""}}},                     // a doubled quote inside quotes is one quote
        {"\"a,b\",c", Cells{{"a,b", "c"}}},            // a separator inside quotes
        {"\"Perić \"\"Pero\"\"\",x", Cells{{"Perić \"Pero\"", "x"}}},
        {" \"a\" , b ", Cells{{"a", "b"}}},             // blanks around a cell
        {"\"a\nb\",\"c\r\nd\"", Cells{{"a b", "c d"}}},  // line breaks inside quotes
        {"a,,", Cells{{"a", "", ""}}},
        {"\"a", std::nullopt},                       // a quote not closed
        {"a\"b,c", std::nullopt},
    };
    for (const auto& [line, cells] : cases) EXPECT_EQ(csvCells(line, ','), cells) << line;
    std::vector<int> numbers;
    for (const TextLine& r : csvRecords("\xEF\xBB\xBFH\r\n\n\"a\nb\",c\r\nd\n\"e\nf")) numbers.push_back(r.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 3, 5, 6}));  // the last record's quote is never closed
}

}  // namespace
}  // namespace pramo
