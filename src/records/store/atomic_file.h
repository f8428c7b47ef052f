#pragma once
// Every file the program writes (PDF, text, drawings, XML) is written whole or not at all: the
// content goes into a temporary file beside the target, every write and the close are checked,
// the data is flushed to disk, and only then is the temporary renamed over the target. A failure
// at any step removes the temporary and leaves the target as it was.
//
// Some targets are refused before anything is written: a name that is, or resolves through
// symbolic links to, something other than a regular file (a directory, device, pipe), and any
// file of a database (the database itself, its -wal, -shm and -journal companions): the
// databases this process has open, and any file that holds an SQLite database.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

// Why a file was not written, for the user.
struct FileProblem {
    enum class Kind {
        NoName,       // no file name was given
        NotRegular,   // the name is a directory, device, pipe ... (or a link to one)
        Database,     // the name is a file of a database
        NoDirectory,  // no file can be made in the target's folder
        NotWritten,   // the content could not be made or written
        NotPlaced,    // the finished file could not be renamed over the target
    };
    Kind kind = Kind::NotWritten;
    std::string file;  // the name as the user gave it
    int error = 0;     // the system's error number, 0 when there is none

    std::string text() const;       // for the command line: "cannot write out.pdf: it is a database file"
    std::string croatian() const;   // for the desktop: "Datoteku out.pdf nije moguće snimiti: ..."
    bool operator==(const FileProblem&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FileProblem& p);

// Nothing when the file is in place, else why it is not.
using WriteOutcome = std::optional<FileProblem>;

// Writes `target` through `fill`, which writes the whole content into the file named by its
// argument (a new empty file in the target's folder) and answers whether every write
// succeeded. Writers that can produce their content in memory should prefer the overload below,
// which checks every write itself.
WriteOutcome writeFileAtomically(const std::string& target, const std::function<bool(const std::string& temporary)>& fill);

// The same for content already in memory.
WriteOutcome writeFileAtomically(const std::string& target, std::string_view content);

// Whether `target` may be written at all (the refusals above), without writing anything: for a
// caller that wants to refuse a name before it does the work of making the content.
WriteOutcome checkWritableTarget(const std::string& target);

// Keeps the files of the database at `path` (with its -wal, -shm and -journal) from being
// replaced by any document while the object lives. The store holds one for its open database.
class DatabaseWriteGuard {
public:
    explicit DatabaseWriteGuard(const std::string& path);
    ~DatabaseWriteGuard();
    DatabaseWriteGuard(const DatabaseWriteGuard&) = delete;
    DatabaseWriteGuard& operator=(const DatabaseWriteGuard&) = delete;

private:
    std::string path_;
};

}  // namespace pramo
