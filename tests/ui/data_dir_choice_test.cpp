// Where the desktop program's books are: the command line, the current directory, the directory
// used last, or the user's choice, asked once; never a database where nobody chose one.

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <fstream>

#include "shell/desktop/data_dir_choice.h"
#include "shell/desktop/data_dir_dialog.h"
#include "shell/desktop/start_options.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

TEST(StartOptions, TheCommandLineIsReadOrRefusedByName) {
    struct Case {
        std::vector<std::string> args;
        std::string dataDir;
        std::string problem;  // empty: accepted
        std::string database = {};
    } const cases[] = {
        {{}, "", ""},
        {{"--data", "knjige"}, "knjige", ""},
        {{"--version", "--data", "./--x"}, "./--x", ""},
        {{"--data"}, "", "--data traži mapu"},
        {{"--data", ""}, "", "--data traži mapu"},
        {{"--data", "--help"}, "", "--data traži mapu (mapa tog imena piše se ./--help)"},
        {{"--data", "a", "--data", "b"}, "a", "--data je zadan dvaput"},
        {{"knjige"}, "", "neočekivan argument 'knjige'"},
        {{"-platform"}, "", "neočekivan argument '-platform'"},
        {{"--database", "postgresql:///pramo", "--data", "d"}, "d", "", "postgresql:///pramo"},
        {{"--database"}, "", "--database traži URI"},
        {{"--database", "--data", "d"}, "", "--database traži URI"},
        {{"--database", "postgres:///a", "--database", "postgres:///b"}, "", "--database je zadan dvaput", "postgres:///a"},
    };
    for (const Case& c : cases) {
        StartOptions o;
        const auto problem = readStartOptions(c.args, o);
        EXPECT_EQ(problem.value_or(""), c.problem) << ::testing::PrintToString(c.args);
        EXPECT_EQ(o.dataDir, c.dataDir) << ::testing::PrintToString(c.args);
        EXPECT_EQ(o.database, c.database) << ::testing::PrintToString(c.args);
    }
}

// A fresh root with "books" (a database), "conf" (the settings of a database kept elsewhere),
// "empty" and "home"; "gone" does not exist.
struct Places {
    test::TempDir root;
    Places() {
        for (const char* d : {"books", "conf", "empty", "home"}) fs::create_directory(at(d));
        std::ofstream(at("books") / "pramo.db");
        std::ofstream(at("conf") / "pramo.conf");
    }
    fs::path at(const char* name) const { return *name ? root.path() / name : fs::path(); }
};

TEST(DataDirDecision, OpensWhatHoldsBooksAndAsksOtherwise) {
    struct Case {
        const char* given;
        const char* current;
        const char* remembered;
        const char* open;      // empty: ask
        const char* proposal;  // when asking
    } const cases[] = {
        {"empty", "books", "books", "empty", ""},  // named on the command line: opened even without books
        {"", "books", "conf", "books", ""},
        {"", "conf", "books", "conf", ""},
        {"", "empty", "books", "books", ""},
        {"", "empty", "conf", "conf", ""},
        {"", "home", "", "", "home/pramo-podaci"},  // the first start from a menu
        {"", "empty", "empty", "", "empty"},        // its books are gone: asked, proposing it again
        {"", "empty", "gone", "", "gone"},
        {"", "empty", "", "", "empty"},  // started in an empty directory made for the books
    };
    const Places p;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.current) + " / " + c.remembered);
        const DataDirDecision d = decideDataDir(
            {.given = p.at(c.given), .current = p.at(c.current), .remembered = p.at(c.remembered), .home = p.at("home")});
        EXPECT_EQ(d.open, p.at(c.open));
        EXPECT_EQ(d.proposal, *c.open ? fs::path() : p.root.path() / c.proposal);
    }
}

TEST(DataDirDecision, ADirectoryIsPreparedOnlyWhereItsParentExists) {
    struct Case {
        const char* dir;
        const char* problem;  // "ROOT" stands for the root; empty: ready
        bool exists;          // afterwards
    } const cases[] = {
        {"empty", "", true},
        {"new", "", true},
        {"new2/", "", true},
        {"missing/new", "Mapa ROOT/missing ne postoji.", false},
        {"books/pramo.db", "ROOT/books/pramo.db nije mapa.", true},
    };
    const Places p;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        const fs::path dir = p.root.path() / c.dir;
        const QString root = QString::fromStdString(p.root.path().string());
        EXPECT_EQ(prepareDataDir(dir).value_or(QString()), QString::fromUtf8(c.problem).replace("ROOT", root));
        EXPECT_EQ(fs::exists(dir), c.exists);
    }
    EXPECT_EQ(prepareDataDir({}).value_or(QString()), "Upišite mapu s podacima.");
}

TEST(DataDirDecision, TypedNamesAreTakenFromTheHomeDirectory) {
    const fs::path home = "/home/ana";
    const std::pair<const char*, fs::path> cases[] = {
        {"~", home}, {"~/knjige", home / "knjige"}, {" knjige/ ", home / "knjige"}, {"/srv/pramo/", "/srv/pramo"}, {"  ", {}},
    };
    for (const auto& [typed, dir] : cases) EXPECT_EQ(typedDataDir(QString::fromUtf8(typed), home), dir) << typed;
}

// Started as from a menu: in the home directory, which holds no books, with nothing remembered.
class FirstStart : public ::testing::Test {
protected:
    FirstStart() : before(fs::current_path()), homeBefore(std::getenv("HOME")) {
        QSettings().clear();
        setenv("HOME", home().c_str(), 1);
        fs::current_path(home());
    }
    ~FirstStart() override {
        fs::current_path(before);
        setenv("HOME", homeBefore.c_str(), 1);
    }
    fs::path home() const { return places.at("home"); }

    // One start of the program as the desktop makes it: the directory chosen, the books opened
    // there and the directory remembered.
    std::optional<fs::path> start() {
        const auto dir = chooseDataDir({});
        if (!dir) return dir;
        test::ScriptedMessages messages;
        const FixedClock clock{*Date::fromYmd(2026, 12, 7)};
        Session session(messages, clock, dir->string());
        EXPECT_TRUE(session.start());
        rememberDataDir(*dir);
        return dir;
    }

    Places places;
    fs::path before;
    std::string homeBefore;
};

QString typedIn(QWidget* window) { return window->findChild<QLineEdit*>()->text(); }

TEST_F(FirstStart, AsksOnceProposingPramoPodaciThenOpensItWithoutAsking) {
    QString title, proposed;
    test::ModalSteps steps;
    steps.then([&](QWidget* w) {
        title = w->windowTitle();
        proposed = typedIn(w);
        QTest::mouseClick(test::buttonNamed(w, "U &redu"), Qt::LeftButton);
    });
    const fs::path chosen = home() / "pramo-podaci";
    EXPECT_EQ(start(), chosen);
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(title, "Mapa s podacima");
    EXPECT_EQ(proposed, QString::fromStdString(chosen.string()));
    EXPECT_TRUE(fs::exists(chosen / "pramo.db"));
    EXPECT_FALSE(fs::exists(home() / "pramo.db"));

    bool askedAgain = false;
    test::ModalSteps second;
    second.then([&](QWidget* w) {
        askedAgain = true;
        static_cast<QDialog*>(w)->reject();
    });
    EXPECT_EQ(start(), chosen);
    EXPECT_FALSE(askedAgain);
}

TEST_F(FirstStart, GivingUpMakesNothingAndRemembersNothing) {
    test::ModalSteps steps;
    steps.then([](QWidget* w) { QTest::mouseClick(test::buttonNamed(w, "&Odustani"), Qt::LeftButton); });
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_TRUE(steps.allDone());
    EXPECT_FALSE(fs::exists(home() / "pramo-podaci"));
    EXPECT_FALSE(fs::exists(home() / "pramo.db"));
    EXPECT_EQ(rememberedDataDir(), fs::path());
}

// A directory that cannot be made is said in the window, which stays open for a better one.
TEST_F(FirstStart, AWrongDirectoryIsSaidAndAnotherTyped) {
    QString problem;
    test::ModalSteps steps;
    steps.then([&](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>();
        edit->setText("nema/knjige");
        QTest::mouseClick(test::buttonNamed(w, "U &redu"), Qt::LeftButton);
        for (auto* label : w->findChildren<QLabel*>())
            if (label->isVisible() && label->text().startsWith("Mapa ")) problem = label->text();
        ASSERT_TRUE(w->isVisible());
        edit->setText("~/knjige");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(start(), home() / "knjige");
    EXPECT_EQ(problem, QString::fromStdString("Mapa " + (home() / "nema").string() + " ne postoji."));
    EXPECT_FALSE(fs::exists(home() / "nema"));
}

// --data names the directory from the current one; one that cannot be used is said and nothing opens.
TEST_F(FirstStart, TheNamedDirectoryIsOpenedWithoutAsking) {
    EXPECT_EQ(chooseDataDir("knjige/"), home() / "knjige");
    EXPECT_TRUE(fs::is_directory(home() / "knjige"));
    std::ofstream(home() / "popis.txt") << "a file\n";
    QString said;
    test::ModalSteps steps;
    steps.then([&](QWidget* w) {
        said = w->findChild<QLabel*>("qt_msgbox_label")->text();
        static_cast<QDialog*>(w)->accept();
    });
    EXPECT_EQ(chooseDataDir("popis.txt"), std::nullopt);
    EXPECT_EQ(said, QString::fromStdString((home() / "popis.txt").string() + " nije mapa."));
    EXPECT_EQ(rememberedDataDir(), fs::path());
}

}  // namespace
}  // namespace pramo
