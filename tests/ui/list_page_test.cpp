#include <gtest/gtest.h>

#include <cstdio>

#include "records/store/files.h"
#include "records/store/key_encoding.h"
#include "records/layouts/mjesta.h"
#include "shell/list/list_page.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// Fifty places "M000" .. "M049", place i in municipality i % 3 + 1.
struct ListPageTest : ::testing::Test {
    test::TempDir dir;
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
    ListPage page{store, Mjesta::table};

    void SetUp() override {
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        ASSERT_EQ(files.open(Mjesta::table), StoreCode::Ok);
        for (int i = 0; i < 50; ++i) add(name(i), i % 3 + 1);
        page.setCells([](const RecordBuffer& rec, std::vector<std::string>& cells) { cells = {rec.as<Mjesta>().naziv.str()}; });
        page.setSort(Mjesta::keyNaziv, {}, {});
        page.setCapacity(10);
    }
    static std::string name(int i) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "M%03d", i);
        return buf;
    }
    void add(const std::string& naziv, int opcina) {
        Mjesta m;
        m.naziv = naziv;
        m.opcina = opcina;
        ASSERT_EQ(store.add(m), StoreCode::Ok);
    }
    // The page as "first..last@highlighted".
    std::string shown() const {
        if (page.empty()) return "empty";
        return page.rows().front().cells[0] + ".." + page.rows().back().cells[0] + "@" +
               page.highlighted()->cells[0];
    }
    Position at(const std::string& naziv) const {
        Mjesta m;
        m.naziv = naziv;
        return {&Mjesta::keyNaziv, encodeSeek(Mjesta::keyNaziv, &m), 0};
    }
};

TEST_F(ListPageTest, MovesByRowPageAndEnds) {
    struct Step {
        const char* what;
        std::function<StoreCode(ListPage&)> act;
        const char* expected;
    };
    const std::vector<Step> steps{
        {"home", [](ListPage& p) { return p.first(); }, "M000..M009@M000"},
        {"page down", [](ListPage& p) { return p.pageDown(); }, "M010..M019@M010"},
        {"down within the page", [](ListPage& p) { p.setCurrent(8); return p.down(); }, "M010..M019@M019"},
        {"down at the foot", [](ListPage& p) { return p.down(); }, "M011..M020@M020"},
        {"up within the page", [](ListPage& p) { return p.up(); }, "M011..M020@M019"},
        {"end", [](ListPage& p) { return p.last(); }, "M040..M049@M049"},
        {"page down at the end", [](ListPage& p) { return p.pageDown(); }, "M040..M049@M049"},
        {"down at the end", [](ListPage& p) { return p.down(); }, "M040..M049@M049"},
        {"page up", [](ListPage& p) { return p.pageUp(); }, "M030..M039@M039"},
        {"locate near the end keeps the page full", [&](ListPage& p) { return p.locate(at("M045"), 2); }, "M040..M049@M045"},
        {"locate on row 0", [&](ListPage& p) { return p.locate(at("M038"), 0); }, "M038..M047@M038"},
        {"page down short of a page", [](ListPage& p) { return p.pageDown(); }, "M040..M049@M048"},
        {"locate between records", [&](ListPage& p) { return p.locate(at("M0305"), 0); }, "M031..M040@M031"},
        {"locate past the last", [&](ListPage& p) { return p.locate(at("N"), 0); }, "M040..M049@M049"},
        {"page up short of a page", [&](ListPage& p) { (void)p.locate(at("M003"), 5); return p.pageUp(); }, "M000..M009@M000"},
        {"up at the top", [](ListPage& p) { return p.up(); }, "M000..M009@M000"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(s.act(page), StoreCode::Ok) << s.what;
        EXPECT_EQ(shown(), s.expected) << s.what;
    }
}

TEST_F(ListPageTest, RangeAndFilterLimitTheRecords) {
    Mjesta second;
    second.opcina = 2;  // the places of municipality 2: M001, M004, ..., M049
    page.setSort(Mjesta::keyOpcina, encodeSeek(Mjesta::keyOpcina, &second), {});
    ASSERT_EQ(page.first(), StoreCode::Ok);
    EXPECT_EQ(shown(), "M001..M028@M001");
    ASSERT_EQ(page.last(), StoreCode::Ok);
    EXPECT_EQ(shown(), "M022..M049@M049");
    ASSERT_EQ(page.down(), StoreCode::Ok);
    EXPECT_EQ(shown(), "M022..M049@M049");

    page.setSort(Mjesta::keyNaziv, {}, [](const RecordBuffer& rec) { return rec.as<Mjesta>().naziv.str().back() == '7'; });
    ASSERT_EQ(page.first(), StoreCode::Ok);
    EXPECT_EQ(shown(), "M007..M047@M007");
    EXPECT_EQ(page.rows().size(), 5u);
    RecordBuffer last(Mjesta::table);
    bool found = false;
    ASSERT_EQ(page.edge(true, last, found), StoreCode::Ok);
    EXPECT_TRUE(found);
    EXPECT_EQ(last.as<Mjesta>().naziv, "M047");
}

TEST_F(ListPageTest, RefreshKeepsTheHighlightedRecordOrTheNearest) {
    ASSERT_EQ(page.first(), StoreCode::Ok);
    page.setCurrent(3);
    Store other;  // another station on the same file
    ASSERT_EQ(other.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
    Mjesta m;
    m.naziv = "M0025";
    ASSERT_EQ(other.add(m), StoreCode::Ok);
    ASSERT_EQ(page.refresh(), StoreCode::Ok);
    EXPECT_EQ(shown(), "M001..M009@M003");
    EXPECT_EQ(page.rows()[3].cells[0], "M003");
    EXPECT_EQ(page.rows()[2].cells[0], "M0025");

    Mjesta gone;
    gone.naziv = "M003";
    ASSERT_EQ(other.get(Mjesta::keyNaziv, gone), StoreCode::Ok);
    ASSERT_EQ(other.erase(gone), StoreCode::Ok);
    ASSERT_EQ(page.refresh(), StoreCode::Ok);
    EXPECT_EQ(shown(), "M001..M010@M004");
}

TEST_F(ListPageTest, AnEmptyRangeShowsNothing) {
    Mjesta none;
    none.opcina = 9;
    page.setSort(Mjesta::keyOpcina, encodeSeek(Mjesta::keyOpcina, &none), {});
    for (auto step : {&ListPage::first, &ListPage::last, &ListPage::down, &ListPage::pageUp, &ListPage::refresh}) {
        EXPECT_EQ((page.*step)(), StoreCode::Ok);
        EXPECT_EQ(shown(), "empty");
        EXPECT_EQ(page.current(), -1);
    }
}

}  // namespace
}  // namespace pramo
