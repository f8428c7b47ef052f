#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "records/store/atomic_file.h"
#include "support/own_locks.h"
#include "support/test_data.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::size_t entries(const test::TempDir& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), {}));
}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile) {
    test::TempDir dir;
    const std::string target = dir.file("out.txt");
    ASSERT_FALSE(writeFileAtomically(target, "first"));
    EXPECT_EQ(contentOf(target), "first");
    const auto failed = writeFileAtomically(target, [](const std::string& tmp) {
        std::ofstream(tmp) << "half";
        return false;
    });
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->kind, FileProblem::Kind::NotWritten);
    EXPECT_EQ(contentOf(target), "first");
    EXPECT_EQ(entries(dir), 1u);  // no temporary left behind
}

// A data directory with its database open, a FIFO, a device node (where this user may make
// one: a null device of its own), a folder, and links to each of them.
struct Refusals : test::TestData {
    Refusals() {
        EXPECT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
        device = ::mknod(dir.file("device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        if (device) fs::create_symlink("device", dir.file("to-device"));
        fs::create_directory(dir.file("sub"));
        for (auto [link, to] : {std::pair{"to-pipe", "pipe"}, {"to-db", "pramo.db"}, {"to-link", "to-db"},
                                {"to-wal", "./sub/../pramo.db-wal"}})
            fs::create_symlink(to, dir.file(link));
        Store foreign;  // another data directory's database, not open here
        EXPECT_EQ(foreign.openDatabase(dir.file("sub/other.db")), StoreCode::Ok);
    }
    bool device = false;
};

TEST(AtomicFile, RefusesWhatIsNotARegularFileAndEveryFileOfADatabase) {
    Refusals data;
    const auto& dir = data.dir;
    const std::string dbBefore = contentOf(dir.file("pramo.db"));
    using K = FileProblem::Kind;
    std::vector<std::pair<std::string, K>> cases{
        {dir.file("pipe"), K::NotRegular},          {dir.file("to-pipe"), K::NotRegular},
        {dir.file("sub"), K::NotRegular},           {dir.file("sub/"), K::NotRegular},
        {dir.file("pramo.db"), K::Database},        {dir.file("to-db"), K::Database},
        {dir.file("to-link"), K::Database},         {dir.file("to-wal"), K::Database},
        {dir.file("pramo.db-shm"), K::Database},    {dir.file("pramo.db-journal"), K::Database},
        {dir.file("sub/other.db"), K::Database},    {dir.file("sub/other.db-wal"), K::Database},
        {"", K::NoName},
    };
    if (data.device) cases.insert(cases.end(), {{dir.file("device"), K::NotRegular}, {dir.file("to-device"), K::NotRegular}});
    for (const auto& c : cases) {
        const auto problem = writeFileAtomically(c.first, "%PDF-1.4");
        ASSERT_TRUE(problem) << c.first;
        EXPECT_EQ(problem->kind, c.second) << c.first << ": " << *problem;
        EXPECT_EQ(checkWritableTarget(c.first), problem) << c.first;
    }
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("pipe").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(!data.device || (::stat(dir.file("device").c_str(), &st) == 0 && S_ISCHR(st.st_mode)));
    EXPECT_EQ(contentOf(dir.file("pramo.db")), dbBefore);
    EXPECT_FALSE(fs::exists(dir.file("pramo.db-journal")));
}

TEST(AtomicFile, AClosedDatabaseOfNoSqliteContentIsNoLongerGuarded) {
    test::TempDir dir;
    const std::string db = dir.file("pramo.db");
    {
        std::ofstream(db) << "";  // an empty database file, as a new one starts
        DatabaseWriteGuard guard(db);
        EXPECT_EQ(writeFileAtomically(db, "x")->kind, FileProblem::Kind::Database);
    }
    EXPECT_FALSE(writeFileAtomically(db, "x"));
}

// A symbolic link at the name is replaced by the document; the file it named, anywhere on disk,
// is left as it was. The document keeps the permissions of the file the name showed.
TEST(AtomicFile, ReplacesALinkAtTheNameNeverTheFileItNames) {
    test::TempDir dir;
    fs::create_directory(dir.file("docs"));
    std::ofstream(dir.file("docs/old.txt")) << "old";
    ::chmod(dir.file("docs/old.txt").c_str(), 0640);
    fs::create_symlink("docs/old.txt", dir.file("link"));
    fs::create_symlink("docs/new.txt", dir.file("dangling"));
    ASSERT_FALSE(writeFileAtomically(dir.file("link"), "new content"));
    ASSERT_FALSE(writeFileAtomically(dir.file("dangling"), "made"));
    for (const char* name : {"link", "dangling"}) EXPECT_FALSE(fs::is_symlink(dir.file(name))) << name;
    EXPECT_EQ(contentOf(dir.file("link")), "new content");
    EXPECT_EQ(contentOf(dir.file("dangling")), "made");
    EXPECT_EQ(contentOf(dir.file("docs/old.txt")), "old");
    EXPECT_FALSE(fs::exists(dir.file("docs/new.txt")));
    EXPECT_EQ(fs::status(dir.file("link")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(dir), 3u);  // no temporary left behind
}

// The database open here is recognised by its device and inode, never by opening it: closing a
// descriptor of it would drop SQLite's locks. Here its folder was renamed after it was opened.
TEST(AtomicFile, NeverOpensTheDatabaseOpenHere) {
    test::TempDir dir;
    fs::create_directory(dir.file("a"));
    Store store;
    ASSERT_EQ(store.openDatabase(dir.file("a/pramo.db")), StoreCode::Ok);
    fs::rename(dir.file("a"), dir.file("b"));
    fs::create_symlink("b/pramo.db-shm", dir.file("to-shm"));
    for (const char* name : {"b/pramo.db", "b/pramo.db-wal", "b/pramo.db-shm", "b/pramo.db-journal", "to-shm"}) {
        const auto problem = checkWritableTarget(dir.file(name));
        ASSERT_TRUE(problem) << name;
        EXPECT_EQ(problem->kind, FileProblem::Kind::Database) << name;
        EXPECT_TRUE(test::holdsOwnLock(dir.file("b/pramo.db"))) << name;
        EXPECT_TRUE(test::holdsOwnLock(dir.file("b/pramo.db-shm"))) << name;
    }
}

TEST(AtomicFile, ProblemsAreToldInTheUsersTerms) {
    const FileProblem full{FileProblem::Kind::NotWritten, "izvj.pdf", ENOSPC};
    EXPECT_EQ(full.croatian(), "Datoteku izvj.pdf nije moguće snimiti: sadržaj nije moguće zapisati (na disku nema mjesta).");
    EXPECT_EQ(full.text(), "cannot write izvj.pdf: the content could not be written (No space left on device)");
}

}  // namespace
}  // namespace pramo
