#include <gtest/gtest.h>

#include "preview/report_builder.h"
#include "records/store/files.h"
#include "records/layouts/opcine.h"
#include "documents/report_run.h"
#include "support/scripted_messages.h"
#include "support/test_books.h"

namespace pramo {
namespace {

// Records what the run shows, and cancels when told to.
class CountingProgress : public Progress {
public:
    void start(std::int64_t t) override { started = true, total = t; }
    bool advance(std::int64_t done) override {
        steps.push_back(done);
        return done != cancelAt;
    }
    void finish() override { finished = true; }

    bool started = false;
    bool finished = false;
    std::int64_t total = -1;
    std::vector<std::int64_t> steps;
    std::int64_t cancelAt = -1;
};

class ReportRun : public testing::TestWithParam<test::Engine> {
protected:
    void SetUp() override {
        if (!books.available()) GTEST_SKIP() << "no PostgreSQL test server";
        ASSERT_EQ(store.openDatabase(books.where()), StoreCode::Ok);
        ASSERT_EQ(files.open(Opcine::table), StoreCode::Ok);
    }
    void addOpcina(const char* naziv, int rate) {
        Opcine opc;
        opc.naziv = naziv;
        opc.stopaprireza = Rate7::whole(rate);
        ASSERT_EQ(store.add(opc), StoreCode::Ok);
    }
    // One band per municipality taken, its name as text.
    ReportResult run(const Pass<Opcine>& pass) {
        ReportBuilder builder;
        return runReport<Opcine>(
            store, progress, pass,
            [&](const Opcine& o) {
                taken.push_back(o.naziv.str());
                builder.add(Band(10.0).text(10.0, 0.0, QString::fromStdString(o.naziv.str())));
                return StoreCode::Ok;
            },
            [&] { return builder.finish(); });
    }

    test::TestBooks books{GetParam()};
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
    CountingProgress progress;
    std::vector<std::string> taken;
};

TEST_P(ReportRun, EmptyFileEndsWithoutOutputOrWindow) {
    const ReportResult r = run({.key = Opcine::keyNaziv});
    EXPECT_EQ(r.end, RunEnd::NothingToPrint);
    EXPECT_TRUE(r.pages.empty());
    EXPECT_FALSE(progress.started);
}

TEST_P(ReportRun, GateFindsNoRecordThroughTheFilter) {
    addOpcina("Zagreb", 18);
    addOpcina("Split", 15);
    const ReportResult r = run({.key = Opcine::keyNaziv, .filter = [](const Opcine& o) { return o.stopaprireza.isZero(); }});
    EXPECT_EQ(r.end, RunEnd::NothingToPrint);
    EXPECT_FALSE(progress.started);
    EXPECT_TRUE(taken.empty());
}

TEST_P(ReportRun, TakesFilteredRecordsInKeyOrder) {
    for (auto [name, rate] : {std::pair{"Zagreb", 18}, {"Bjelovar", 0}, {"Čakovec", 10}, {"Cres", 0}, {"Split", 15}}) {
        addOpcina(name, rate);
    }
    const ReportResult r = run({.key = Opcine::keyNaziv, .filter = [](const Opcine& o) { return !o.stopaprireza.isZero(); }});
    EXPECT_EQ(r.end, RunEnd::Pages);
    EXPECT_EQ(taken, (std::vector<std::string>{"Čakovec", "Split", "Zagreb"}));
    EXPECT_EQ(r.pages.size(), 1u);
    EXPECT_EQ(progress.total, 5);  // the file's records
    EXPECT_EQ(progress.steps, (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_TRUE(progress.finished);
}

TEST_P(ReportRun, StopsWhereThePassEnds) {
    for (const char* name : {"Osijek", "Pula", "Rijeka", "Sisak"}) addOpcina(name, 10);
    Opcine from;
    from.naziv = "P";
    const ReportResult r = run({.key = Opcine::keyNaziv, .from = &from,
                                .within = [](const Opcine& o) { return o.naziv.str() < "S"; }, .total = 2});
    EXPECT_EQ(r.end, RunEnd::Pages);
    EXPECT_EQ(taken, (std::vector<std::string>{"Pula", "Rijeka"}));
    EXPECT_EQ(progress.total, 2);
}

TEST_P(ReportRun, CancelEndsWithoutOutput) {
    for (const char* name : {"A", "B", "C", "D"}) addOpcina(name, 10);
    progress.cancelAt = 2;
    const ReportResult r = run({.key = Opcine::keyNaziv});
    EXPECT_EQ(r.end, RunEnd::Cancelled);
    EXPECT_TRUE(r.pages.empty());
    EXPECT_EQ(taken.size(), 2u);
    EXPECT_TRUE(progress.finished);
}

TEST_P(ReportRun, AStoreErrorInTheBodyFailsTheRun) {
    addOpcina("A", 10);
    addOpcina("B", 10);
    const ReportResult r = runReport<Opcine>(
        store, progress, {.key = Opcine::keyNaziv},
        [](const Opcine& o) { return o.naziv.str() == "B" ? StoreCode::FileNotOpen : StoreCode::Ok; },
        [] { return std::vector<Page>(1); });
    EXPECT_EQ(r.end, RunEnd::Failed);
    EXPECT_EQ(r.code, StoreCode::FileNotOpen);
    EXPECT_EQ(r.failedFile, "OPCINE");
    EXPECT_TRUE(r.pages.empty());
}

PRAMO_ON_BOTH_ENGINES(ReportRun);

}  // namespace
}  // namespace pramo
