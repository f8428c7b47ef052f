#include "records/store/lock_holder.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace pramo {
namespace {

// "08:01:1234567": how the lock table names a file (major and minor in hex, inode in decimal).
std::string lockTableId(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    char id[64];
    std::snprintf(id, sizeof id, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return id;
}

std::string programName(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name.empty() ? "drugi program" : name;
}

// The process holding a lock on one of the files: a writer if any, else a reader; 0 when none.
long holderOf(const std::vector<std::string>& ids) {
    std::ifstream locks("/proc/locks");
    long reader = 0;
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, file;
        long pid = 0;
        if (!(fields >> number >> kind >> mode >> access >> pid >> file) || pid <= 0 || pid == ::getpid()) continue;
        bool ours = false;
        for (const std::string& id : ids) ours = ours || (!id.empty() && file == id);
        if (!ours) continue;
        if (access == "WRITE") return pid;
        if (reader == 0) reader = pid;
    }
    return reader;
}

}  // namespace

std::optional<LockHolder> findLockHolder(const std::string& path) {
    const long pid = holderOf({lockTableId(path), lockTableId(path + "-shm")});
    if (pid <= 0) return std::nullopt;
    return LockHolder{programName(pid), pid};
}

std::string lockHolder(const std::string& path) {
    const auto holder = findLockHolder(path);
    return holder ? holder->program + ", proces " + std::to_string(holder->pid) : std::string();
}

}  // namespace pramo
