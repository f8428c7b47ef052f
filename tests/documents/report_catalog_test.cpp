// The report catalogue as the programs assemble it: every report named once, and every one run
// over the example office reads only the files it declares (a store that refuses to read any
// other file stands under each run).

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/register_reports.h"
#include "documents/report_declaration.h"
#include "payments/demo/demo_office.h"
#include "records/layouts/id1.h"
#include "records/layouts/isplate.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

ReportCatalog programReports() {
    ReportCatalog catalog;
    registerAllReports(catalog);
    return catalog;
}

TEST(ReportCatalog, EveryReportIsNamedOnceAndCanRun) {
    const ReportCatalog catalog = programReports();
    ASSERT_FALSE(catalog.all().empty());
    std::set<std::string_view> names;
    for (const ReportSpec* spec : catalog.all()) {
        EXPECT_TRUE(names.insert(spec->name).second) << "twice: " << spec->name;
        EXPECT_FALSE(spec->name.empty() || spec->title.isEmpty() || spec->files.empty() || !spec->run) << spec->name;
        EXPECT_EQ(catalog.find(spec->name), spec);
    }
    EXPECT_EQ(catalog.find("nepoznat"), nullptr);
}

// The example office of a March, with a crisis-tax return and an ID-1 header of payer 1 besides.
class CatalogOverTheDemo : public testing::Test {
protected:
    void SetUp() override {
        const DemoOutcome made = makeDemoOffice(office.store(), office.clock());
        ASSERT_TRUE(made.made) << made.message;
        Isplate first;
        ASSERT_EQ(readLinked(office.store(), 1, first), StoreCode::Ok);
        args = {.payer = 1, .payment = 1, .item = 1, .submission = 1, .header = 1, .kriznica = 1,
                .year = first.datum.year(), .month = first.datum.month()};
        const std::string year = std::to_string(args.year);
        office.add(Kriznica{.oznaka = 1, .isplatitelj = 1, .godina = year, .mjesec = static_cast<std::uint8_t>(args.month)});
        office.add(Id1{.oznaka = 1, .isplatitelj = 1, .storno = "false", .godina = year});
    }

    // Runs the report over a store of its own that refuses to read any file it does not declare;
    // the files it tried to read all the same are in `refused`.
    ReportResult runDeclaredOnly(const ReportSpec& spec, std::set<std::string>& refused) {
        Store store;
        EXPECT_EQ(store.openDatabase(data.dir.file("pramo.db")), StoreCode::Ok);
        store.setReadFilter([&](std::string_view table) {
            const bool declared = std::any_of(spec.files.begin(), spec.files.end(), [&](const TableDef* t) { return t->name == table; });
            const bool bookkeeping = table.starts_with("_pramo") || table.starts_with("sqlite_") || table.starts_with("pragma_");
            if (!declared && !bookkeeping) refused.emplace(table);
            return declared || bookkeeping;
        });
        Files files{store};
        SilentProgress progress;
        return runDeclaredReport(spec, files, args, office.clock(), progress);
    }

    test::TestData data;
    test::Office office{data.files, test::date(2015, 3, 14)};
    ReportArgs args;
};

TEST_F(CatalogOverTheDemo, EveryReportReadsOnlyTheFilesItDeclares) {
    const ReportCatalog catalog = programReports();
    for (const ReportSpec* spec : catalog.all()) {
        SCOPED_TRACE(spec->name);
        std::set<std::string> refused;
        const ReportResult r = runDeclaredOnly(*spec, refused);
        EXPECT_TRUE(refused.empty()) << "reads " << *refused.begin();
        EXPECT_EQ(r.end, RunEnd::Pages) << r.failedFile;
    }
}

// The store under the runs does refuse: the municipalities' listing declared with another file
// fails on its own file.
TEST_F(CatalogOverTheDemo, AReadOfAFileNotDeclaredFails) {
    const ReportCatalog catalog = programReports();
    ReportSpec undeclared = *catalog.find("opcine");
    undeclared.files = {&Vrstedoh::table};
    std::set<std::string> refused;
    EXPECT_EQ(runDeclaredOnly(undeclared, refused).end, RunEnd::Failed);
    EXPECT_EQ(refused, std::set<std::string>{"OPCINE"});
}

}  // namespace
}  // namespace pramo
