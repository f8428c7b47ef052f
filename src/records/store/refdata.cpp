#include "records/store/refdata.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

namespace pramo::refdata {

namespace fs = std::filesystem;

bool delivered(std::string_view name) { return std::ranges::find(deliveredFiles(), name) != deliveredFiles().end(); }

// Installed beside bin/ first: a build tree is never consulted by an installed program.
std::vector<fs::path> candidateDirectories(const fs::path& programDir) {
    return {programDir.parent_path() / "share" / "pramo", programDir / "share" / "pramo"};
}

std::optional<fs::path> directoryFor(const fs::path& programDir) {
    std::error_code ec;
    for (const fs::path& dir : candidateDirectories(programDir))
        if (fs::is_directory(dir, ec)) return dir;
    return std::nullopt;
}

fs::path programDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

namespace {

FileText failed(std::string problem, int error) { return {.text = {}, .problem = std::move(problem), .error = error}; }

std::string missingDirectory() {
    std::string looked;
    for (const fs::path& dir : candidateDirectories(programDirectory()))
        looked += (looked.empty() ? "" : " and ") + dir.string();
    return "the program's data directory is missing (looked in " + looked + ")";
}

// The whole file, or why it could not be read.
FileText readFile(const fs::path& path, std::string& text) {
    std::error_code ec;
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec))
        return failed("cannot read " + path.string() + ": it is not a file", EISDIR);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    if (in) content << in.rdbuf();
    if (!in || in.bad()) {
        const int error = errno ? errno : EIO;
        return failed("cannot read " + path.string() + ": " + std::strerror(error), error);
    }
    text = content.str();
    return {};
}

}  // namespace

// Only files read whole are kept; a failure is tried again at the next call.
FileText read(std::string_view name) {
    if (!delivered(name)) return failed("the program delivers no file " + std::string(name), ENOENT);
    static std::mutex mutex;
    static std::map<std::string, std::string, std::less<>> kept;
    const std::lock_guard lock(mutex);
    if (const auto it = kept.find(name); it != kept.end()) return {.text = it->second};
    const auto dir = directoryFor(programDirectory());
    if (!dir) return failed(missingDirectory(), ENOENT);
    std::string text;
    if (FileText problem = readFile(*dir / name, text); !problem.ok()) return problem;
    return {.text = kept.emplace(std::string(name), std::move(text)).first->second};
}

}  // namespace pramo::refdata
