#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "records/store/atomic_file.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::size_t entries(const test::TempDir& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
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
    EXPECT_EQ(contentOf(target), "first");
    EXPECT_EQ(entries(dir), 1u);  // no temporary left behind
}

TEST(AtomicFile, RefusesWhatIsNotARegularFile) {
    test::TempDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("sub"));
    for (const std::string& target : {fifo, dir.file("sub")}) {
        const auto problem = writeFileAtomically(target, "x");
        ASSERT_TRUE(problem) << target;
        EXPECT_NE(problem->find("not a regular file"), std::string::npos);
    }
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(entries(dir), 2u);
}

}  // namespace
}  // namespace pramo
