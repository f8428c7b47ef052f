// Values put in with another tool that their fields cannot hold: every read of the record fails
// naming the file, the row, the field and the value; nothing is clamped or cut.

#include <gtest/gtest.h>

#include "records/layouts/dohoci.h"
#include "records/layouts/osobe.h"
#include "records/store/cursor.h"
#include "support/raw_db.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// Items and payees 1 to 3, as the program stored them.
struct StoreValues : test::TestData {
    StoreValues() {
        EXPECT_EQ(files.open(Dohoci::table), StoreCode::Ok);
        EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);
        for (std::int32_t n = 1; n <= 3; ++n) {
            Dohoci doh{.oznaka = n, .isplata = 1};
            Osobe oso{.oznaka = n, .prezime = Text<25>("Horvat")};
            EXPECT_EQ(store.add(doh), StoreCode::Ok);
            EXPECT_EQ(store.add(oso), StoreCode::Ok);
        }
    }
    // Changes one column of record 2 as another tool would (keeping the row's keys as they are).
    void put(const std::string& table, const std::string& column, const std::string& value) {
        test::RawDb raw(dir.file("pramo.db"));
        EXPECT_EQ(raw.exec("UPDATE " + table + " SET " + column + " = " + value + ", _ver = _ver + 1 WHERE OZNAKA = 2"), SQLITE_OK);
    }
    // Reads record 2 of the file by its number.
    StoreCode getTwo(const TableDef& t) {
        void* rec = t.create();
        t.fields.front().setInt(rec, 2);
        const StoreCode c = store.getRaw(t.primaryKey(), rec);
        t.destroy(rec);
        return c;
    }
};

TEST(StoreValuesTest, AValueItsFieldCannotHoldFailsEveryReadNamingIt) {
    const struct {
        const TableDef& table;
        std::string column;
        std::string value;
        std::string named;
    } cases[] = {
        {Dohoci::table, "NETO", "'abc'", "DOHOCI redak 2, NETO sadrži 'abc', što nije cijeli broj"},
        {Dohoci::table, "NETO", "1.5", "DOHOCI redak 2, NETO sadrži '1.5', što nije cijeli broj"},
        {Dohoci::table, "NETO", "100000000000", "DOHOCI redak 2, NETO sadrži 100000000000, izvan DECIMAL(11,2): -99999999999 do 99999999999"},
        {Dohoci::table, "VRSTADOHOTKA", "300", "DOHOCI redak 2, VRSTADOHOTKA sadrži 300, izvan BYTE: 0 do 255"},
        {Dohoci::table, "DJELATNIK", "-2147483649", "DOHOCI redak 2, DJELATNIK sadrži -2147483649, izvan LONG"},
        {Osobe::table, "BANKA", "70000", "OSOBE redak 2, BANKA sadrži 70000, izvan USHORT: 0 do 65535"},
        {Osobe::table, "PREZIME", "'" + std::string(26, 'x') + "'", "OSOBE redak 2, PREZIME sadrži 26 znakova, više od 25 koliko prima STRING(25)"},
        {Osobe::table, "PREZIME", "x'00ff'", "OSOBE redak 2, PREZIME sadrži"},
        {Osobe::table, "MJESTO", "char(27) || '[2J' || char(10) || char(128) || 'y'", "OSOBE redak 2, MJESTO sadrži '\xEF\xBF\xBD[2J\xEF\xBF\xBD\xEF\xBF\xBDy', što"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        StoreValues data;
        data.put(std::string(c.table.name), c.column, c.value);
        EXPECT_EQ(data.getTwo(c.table), StoreCode::LayoutMismatch);
        EXPECT_NE(data.store.error().text().find(c.named), std::string::npos) << data.store.error().text();
        std::vector<std::string> found;
        std::int64_t count = 0;
        ASSERT_EQ(data.store.findBadValues(c.table, found, count), StoreCode::Ok);
        ASSERT_EQ(count, 1);
        EXPECT_EQ((std::string(c.table.name) + " " + found[0]).find(c.named), 0u) << found[0];
    }
}

TEST(StoreValuesTest, AWalkGivesTheRecordsBeforeTheBadOneThenStops) {
    StoreValues data;
    data.put("DOHOCI", "NETO", "'abc'");
    Cursor cursor(data.store, Dohoci::keyOznaka);
    cursor.set();
    Dohoci doh;
    ASSERT_EQ(cursor.next(doh), StoreCode::Ok);
    EXPECT_EQ(doh.oznaka, 1);
    EXPECT_EQ(cursor.next(doh), StoreCode::LayoutMismatch);
    EXPECT_NE(data.store.error().text().find("redak 2, NETO"), std::string::npos);
}

// A row added with another tool makes the program rebuild the file's keys; a value the row's
// field cannot hold makes the rebuild fail with the warning naming it.
TEST(StoreValuesTest, TheKeyRebuildNamesTheValue) {
    test::TestData data;
    ASSERT_EQ(data.files.open(Osobe::table), StoreCode::Ok);
    data.files.close(Osobe::table);
    {
        test::RawDb raw(data.dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("INSERT INTO OSOBE (OZNAKA, PREZIME, BANKA) VALUES (9, 'Horvat', 70000)"), SQLITE_OK);
    }
    EXPECT_EQ(data.files.open(Osobe::table), StoreCode::KeysInvalid);
    const Outcome<StoreCode> rebuilt = data.files.rebuildKeys(Osobe::table);
    EXPECT_NE(rebuilt.result, StoreCode::Ok);
    ASSERT_TRUE(rebuilt.message);
    EXPECT_EQ(rebuilt.message->title, "Key Rebuild Error");
    EXPECT_NE(rebuilt.message->text.find("OSOBE redak 1, BANKA sadrži 70000, izvan USHORT"), std::string::npos)
        << rebuilt.message->text;
}

}  // namespace
}  // namespace pramo
