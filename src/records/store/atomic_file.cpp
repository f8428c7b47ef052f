#include "records/store/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <ostream>
#include <vector>

namespace pramo {
namespace {

namespace fs = std::filesystem;
using Kind = FileProblem::Kind;

constexpr std::string_view companionSuffixes[] = {"-wal", "-shm", "-journal"};
constexpr int maxLinkHops = 40;

std::mutex guardedMutex;

// A database this process has open: its resolved name and, while it exists, its device and inode.
struct Guarded {
    std::string path;
    dev_t dev = 0;
    ino_t ino = 0;
    bool identified = false;
};

std::vector<Guarded>& guardedDatabases() {
    static std::vector<Guarded> databases;
    return databases;
}

// The target as the write will reach it. The file goes to `place`: the folder resolved, the name
// as given, so that a symbolic link at the name is replaced, never the file it points to. What
// the name shows now is `resolved` (every link followed), which decides the refusals.
struct Target {
    fs::path place;
    fs::path resolved;
    bool exists = false;  // `resolved` exists; `st` is its status
    struct stat st {};
};

std::optional<fs::path> realFolder(const fs::path& dir) {
    char* real = ::realpath(dir.empty() ? "." : dir.c_str(), nullptr);
    if (!real) return std::nullopt;
    fs::path p(real);
    ::free(real);
    return p;
}

// Follows the links of `target`; errno tells why when nothing is answered.
std::optional<fs::path> resolve(const std::string& target) {
    fs::path p(target);
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        const auto dir = realFolder(p.parent_path());
        if (!dir) return std::nullopt;
        p = p.has_filename() ? *dir / p.filename() : *dir;
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), link, sizeof link - 1);
        if (n < 0) return std::nullopt;
        const fs::path to(std::string(link, static_cast<std::size_t>(n)));
        p = to.is_absolute() ? to : *dir / to;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool sameInode(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool isGuardedInode(const Guarded& g, const struct stat& st) {
    if (g.identified) return g.dev == st.st_dev && g.ino == st.st_ino;
    struct stat now {};
    return ::stat(g.path.c_str(), &now) == 0 && sameInode(now, st);
}

// Whether `path` is a database this process has open or one of its companions (-wal, -shm,
// -journal, which need not exist yet). Decided from the files' status alone: opening and closing
// any of them here would drop the locks SQLite holds on them for this process.
bool isOpenDatabaseFile(const fs::path& path) {
    const std::lock_guard lock(guardedMutex);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    const std::string name = path.string();
    for (const Guarded& g : guardedDatabases()) {
        if (exists && isGuardedInode(g, st)) return true;
        for (std::string_view suffix : companionSuffixes) {
            struct stat other {};
            if (exists && ::stat((g.path + std::string(suffix)).c_str(), &other) == 0 && sameInode(other, st)) return true;
            if (!name.ends_with(suffix)) continue;
            if (::stat(name.substr(0, name.size() - suffix.size()).c_str(), &other) == 0 && isGuardedInode(g, other)) return true;
            if (name == g.path + std::string(suffix)) return true;
        }
    }
    return false;
}

// Reads the header of a file that is not open as a database here.
bool holdsSqliteDatabase(const fs::path& path) {
    static constexpr char magic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (isOpenDatabaseFile(path)) return true;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char head[sizeof magic] = {};
    const bool found = ::read(fd, head, sizeof head) == static_cast<ssize_t>(sizeof head) &&
                       std::memcmp(head, magic, sizeof magic) == 0;
    ::close(fd);
    return found;
}

// A database file, or a companion (-wal, -shm, -journal) of one: this process's open databases
// by their status, any other by its content.
bool isDatabaseFile(const Target& t) {
    if (isOpenDatabaseFile(t.resolved) || (t.exists && holdsSqliteDatabase(t.resolved))) return true;
    const std::string name = t.resolved.string();
    for (std::string_view suffix : companionSuffixes) {
        if (name.ends_with(suffix) && holdsSqliteDatabase(name.substr(0, name.size() - suffix.size()))) return true;
    }
    return false;
}

WriteOutcome problem(const std::string& file, Kind kind, int error = 0) { return FileProblem{kind, file, error}; }

WriteOutcome examine(const std::string& target, Target& t) {
    if (target.empty()) return problem(target, Kind::NoName);
    const fs::path given(target);
    const auto folder = realFolder(given.parent_path());
    const auto resolved = folder ? resolve(target) : std::nullopt;
    if (!resolved) return problem(target, Kind::NoDirectory, errno);
    t.resolved = *resolved;
    t.place = given.has_filename() ? *folder / given.filename() : *folder;
    t.exists = ::stat(t.resolved.c_str(), &t.st) == 0;
    if (t.exists && !S_ISREG(t.st.st_mode)) return problem(target, Kind::NotRegular);
    if (!t.resolved.has_filename() || !given.has_filename()) return problem(target, Kind::NotRegular);
    if (isDatabaseFile(t)) return problem(target, Kind::Database);
    return std::nullopt;
}

bool syncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// New files get the usual permissions (what the umask leaves of rw-rw-rw-); a replaced file
// keeps its own, and a replaced link those of the file it named.
void setMode(const std::string& temporary, const Target& t) {
    mode_t mode = 0666;
    if (t.exists) {
        mode = t.st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::chmod(temporary.c_str(), mode);
}

// A temporary file beside the target, removed unless it was put in place.
class Temporary {
public:
    explicit Temporary(const fs::path& target) : path_((target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string()) {
        const int fd = ::mkstemp(path_.data());
        made_ = fd >= 0;
        if (made_) ::close(fd);
    }
    ~Temporary() {
        if (made_) ::unlink(path_.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    bool made() const { return made_; }
    const std::string& path() const { return path_; }
    bool placeAt(const fs::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return false;
        made_ = false;
        return true;
    }

private:
    std::string path_;
    bool made_ = false;
};

bool writeAll(const std::string& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    bool written = true;
    for (std::size_t done = 0; written && done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        if (written) done += static_cast<std::size_t>(n);
    }
    const int err = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) errno = err;
    return written && closed;
}

std::string systemReason(int error) {
    return error ? std::string(" (") + std::strerror(error) + ")" : std::string();
}

std::string croatianReason(int error) {
    switch (error) {
    case 0: return {};
    case ENOSPC:
    case EDQUOT: return " (na disku nema mjesta)";
    case EFBIG: return " (datoteka bi bila veća nego što je dopušteno)";
    case EACCES:
    case EPERM: return " (nema dozvole)";
    case EROFS: return " (disk je samo za čitanje)";
    case ENOENT:
    case ENOTDIR: return " (mapa ne postoji)";
    default: return systemReason(error);
    }
}

}  // namespace

std::string FileProblem::text() const {
    static constexpr const char* what[] = {
        "no file name given", "it is not a regular file (a folder, device or pipe)",
        "it is a database file, which a document must never replace", "no file can be made in its folder",
        "the content could not be written", "the written file could not be put in its place"};
    return "cannot write " + file + ": " + what[static_cast<int>(kind)] + systemReason(error);
}

std::string FileProblem::croatian() const {
    static constexpr const char* what[] = {
        "nije zadano ime datoteke", "to nije obična datoteka (nego mapa, uređaj ili cjevovod)",
        "to je datoteka baze podataka, koju dokument ne smije zamijeniti", "u njezinoj mapi nije moguće stvoriti datoteku",
        "sadržaj nije moguće zapisati", "zapisanu datoteku nije moguće staviti na njezino mjesto"};
    return "Datoteku " + file + " nije moguće snimiti: " + what[static_cast<int>(kind)] + croatianReason(error) + ".";
}

std::ostream& operator<<(std::ostream& out, const FileProblem& p) { return out << p.text(); }

WriteOutcome checkWritableTarget(const std::string& target) {
    Target t;
    return examine(target, t);
}

WriteOutcome writeFileAtomically(const std::string& target, const std::function<bool(const std::string&)>& fill) {
    Target t;
    if (auto refused = examine(target, t)) return refused;
    Temporary temporary(t.place);
    if (!temporary.made()) return problem(target, Kind::NoDirectory, errno);
    setMode(temporary.path(), t);
    errno = 0;
    if (!fill(temporary.path())) return problem(target, Kind::NotWritten, errno);
    if (!syncFile(temporary.path())) return problem(target, Kind::NotWritten, errno);
    if (!temporary.placeAt(t.place)) return problem(target, Kind::NotPlaced, errno);
    syncFile(t.place.parent_path().string());
    return std::nullopt;
}

WriteOutcome writeFileAtomically(const std::string& target, std::string_view content) {
    return writeFileAtomically(target, [&](const std::string& temporary) { return writeAll(temporary, content); });
}

DatabaseWriteGuard::DatabaseWriteGuard(const std::string& path) {
    const auto resolved = resolve(path);
    path_ = resolved ? resolved->string() : path;
    Guarded g{.path = path_};
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) g = {path_, st.st_dev, st.st_ino, true};
    const std::lock_guard lock(guardedMutex);
    guardedDatabases().push_back(g);
}

DatabaseWriteGuard::~DatabaseWriteGuard() {
    const std::lock_guard lock(guardedMutex);
    auto& all = guardedDatabases();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Guarded& g) { return g.path == path_; });
    if (it != all.end()) all.erase(it);
}

}  // namespace pramo
