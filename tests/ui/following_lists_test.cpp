// The frame names the books it works on, and its open lists follow what another program commits:
// a record another program adds appears within a few seconds, the highlight staying on its record,
// and a list is left alone while a modal window is open.

#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <optional>

#include "records/layouts/banke.h"
#include "records/store/files.h"
#include "shell/desktop/list_follower.h"
#include "shell/desktop/main_window.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"
#include "support/test_books.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

// Another program over the same books: its own connection, adding one bank in its own transaction.
void addElsewhere(const std::string& books, Banke bank) {
    Store other;
    ASSERT_EQ(other.openDatabase(books), StoreCode::Ok);
    Files files(other);
    ASSERT_TRUE(ok(files.open(Banke::table)));
    ASSERT_EQ(other.add(bank), StoreCode::Ok);
}

std::vector<std::string> names(const ListPanel& list) {
    std::vector<std::string> shown;
    for (const PageRow& row : list.page().rows()) shown.push_back(row.rec.as<Banke>().naziv.str());
    return shown;
}

// The program started on books of either engine: a database file in the data directory, or a
// fresh database on the test server given as --database.
class FollowingLists : public test::ShellFixture, public ::testing::WithParamInterface<test::Engine> {
protected:
    bool startOn(const std::string& database) {
        session = std::make_unique<Session>(messages, clock, dir.path().string(), dataUpgrades(), database);
        session->context().screens = &programScreens;
        return session->start();
    }
    std::optional<test::FreshDatabase> server;
};

TEST_P(FollowingLists, TheStatusBarNamesTheBooksAndListsShowWhatOthersCommit) {
    if (GetParam() == test::Engine::Postgres && server.emplace().uri().empty()) GTEST_SKIP() << "no test server";
    const std::string books = server ? server->uri() : dir.file("pramo.db");
    ASSERT_TRUE(startOn(server ? books : std::string()));
    Files& files = ctx().files;
    ASSERT_TRUE(ok(files.open(Banke::table)));
    Banke alfa{.oznaka = 11, .naziv = "Alfa banka", .vodecibroj = "1111111"};
    Banke cetina{.oznaka = 13, .naziv = "Cetina banka", .vodecibroj = "3333333"};
    ASSERT_EQ(store().add(alfa), StoreCode::Ok);
    ASSERT_EQ(store().add(cetina), StoreCode::Ok);
    MainWindow frame(ctx(), programScreens);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QStringList labels;
    for (auto* label : frame.statusBar()->findChildren<QLabel*>()) labels << label->text();
    const std::string named = server ? "PostgreSQL: " : "SQLite: " + books;
    EXPECT_TRUE(labels.join('|').startsWith(QString::fromStdString(named))) << labels.join('|').toStdString();

    QMdiSubWindow* sub = frame.openScreen(MenuCommand::Banke);
    ASSERT_NE(sub, nullptr);
    ListPanel& list = *qobject_cast<ListScreen*>(sub->widget())->panel();
    const auto highlighted = [&list] { return list.highlighted<Banke>()->naziv.str(); };
    RecordBuffer at(Banke::table);
    at.as<Banke>() = cetina;
    list.fillAt(at);
    ASSERT_EQ(highlighted(), "Cetina banka");
    const std::vector<std::string> before = names(list);

    addElsewhere(books, {.oznaka = 12, .naziv = "Brodska banka", .vodecibroj = "2222222"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return names(list).size() == before.size() + 1; }, 3 * ListFollower::intervalMs));
    const auto shown = names(list);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Brodska banka"), shown.end());
    EXPECT_EQ(highlighted(), "Cetina banka");

    // While a modal window is open the list stays as it is; it follows once the window closes.
    auto* follower = frame.findChild<ListFollower*>();
    ASSERT_NE(follower, nullptr);
    addElsewhere(books, {.oznaka = 14, .naziv = "Dubrovačka banka", .vodecibroj = "4444444"});
    QMessageBox modal(QMessageBox::Information, "Pramo", "...", QMessageBox::Ok, &frame);
    modal.setModal(true);
    modal.show();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    EXPECT_FALSE(follower->poll());
    EXPECT_EQ(names(list).size(), before.size() + 1);
    modal.close();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_TRUE(follower->poll());
    EXPECT_EQ(names(list).size(), before.size() + 2);
    EXPECT_FALSE(follower->poll());  // nothing new since
    frame.close();
    store().closeDatabase();  // before the server's database is dropped
}

PRAMO_ON_BOTH_ENGINES(FollowingLists);

}  // namespace
}  // namespace pramo
