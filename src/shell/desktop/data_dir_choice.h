#pragma once
// Where the desktop program's books are: the directory named on the command line; else the
// current directory when it holds books (as when started in it from a shell); else the data
// directory used last; else the one the user chooses, asked once and remembered. A database is
// never made in a directory the user did not name or choose.

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace pramo {

// Whether `dir` holds books: a database (pramo.db) or the settings of one kept elsewhere (pramo.conf).
bool holdsBooks(const std::filesystem::path& dir);

struct DataDirPlaces {
    std::filesystem::path given;       // --data DIR, absolute; empty when not given
    std::filesystem::path current;     // the directory the program was started in
    std::filesystem::path remembered;  // the data directory used last; empty when none
    std::filesystem::path home;
};

// The directory to open without asking, or else what to propose when the user is asked.
struct DataDirDecision {
    std::filesystem::path open;      // empty: ask
    // The directory used last when it holds no books any more, else the current directory when it
    // is empty (and not the home directory), else ~/pramo-podaci.
    std::filesystem::path proposal;
};

// A remembered directory that holds no books any more (deleted, or on a drive not mounted) is
// not opened: it is proposed, so the user sees the question instead of empty books.
DataDirDecision decideDataDir(const DataDirPlaces& places);

// Makes `dir` ready to hold books: an existing directory the user may write in, or a new one when
// only its last level is missing (a mistyped path leaves no tree of folders behind). Answers the
// problem in the user's words, nothing when the directory is ready.
std::optional<QString> prepareDataDir(const std::filesystem::path& dir);

// A directory as typed in the question: "~" and relative names are taken from the home directory.
std::filesystem::path typedDataDir(const QString& text, const std::filesystem::path& home);

// The data directory used last, kept in the user's settings; empty when none.
std::filesystem::path rememberedDataDir();
void rememberDataDir(const std::filesystem::path& dir);

// The data directory of this start, prepared; asks the user with the data directory window when
// it has to (over `parent`). Nothing when the user gives up or the directory named by --data
// cannot be used (said in a message box).
std::optional<std::filesystem::path> chooseDataDir(const std::string& given, QWidget* parent = nullptr);

}  // namespace pramo
