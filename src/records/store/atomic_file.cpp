#include "records/store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace pramo {
namespace {

namespace fs = std::filesystem;

std::string problem(const std::string& target, const char* what, int err) {
    return "cannot write " + target + ": " + what + (err ? std::string(" (") + std::strerror(err) + ")" : std::string());
}

// The file a write really goes to: through a symbolic link to the file it names.
std::string resolved(const std::string& target) {
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::absolute(target, ec), ec);
    return ec ? target : p.string();
}

bool syncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// New files get the usual permissions (what the umask leaves of rw-rw-rw-); a replaced file
// keeps its own.
void setMode(const std::string& temporary, const struct stat* existing) {
    mode_t mode = 0666;
    if (existing) {
        mode = existing->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::chmod(temporary.c_str(), mode);
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& target,
                                               const std::function<bool(const std::string&)>& fill) {
    if (target.empty()) return std::string("cannot write: no file name given");
    const std::string path = resolved(target);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) return problem(target, "it is not a regular file", 0);
    const fs::path dir = fs::path(path).parent_path();
    std::string temporary = (dir / ("." + fs::path(path).filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return problem(target, "cannot create a file in its directory", errno);
    ::close(fd);
    setMode(temporary, exists ? &st : nullptr);
    const bool filled = fill(temporary);
    const int err = errno;
    if (!filled || !syncFile(temporary)) {
        ::unlink(temporary.c_str());
        return problem(target, "the content could not be written", filled ? errno : err);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameErr = errno;
        ::unlink(temporary.c_str());
        return problem(target, "it could not be put in place", renameErr);
    }
    syncFile(dir.empty() ? std::string(".") : dir.string());
    return std::nullopt;
}

std::optional<std::string> writeFileAtomically(const std::string& target, std::string_view content) {
    return writeFileAtomically(target, [&](const std::string& temporary) {
        std::FILE* f = std::fopen(temporary.c_str(), "wb");
        if (!f) return false;
        const bool written = std::fwrite(content.data(), 1, content.size(), f) == content.size();
        return (std::fclose(f) == 0) && written;
    });
}

}  // namespace pramo
