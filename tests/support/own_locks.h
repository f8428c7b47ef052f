#pragma once
// Whether this process still holds a POSIX lock on a file, as the system's lock table lists it.
// SQLite holds a shared lock on an open WAL database for as long as the connection lives; once it
// is gone, another program takes itself for the database's last user.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace pramo::test {

inline bool holdsOwnLock(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    char id[64];
    std::snprintf(id, sizeof id, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev), static_cast<unsigned long long>(st.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, file;
        long pid = 0;
        if (fields >> number >> kind >> mode >> access >> pid >> file && pid == ::getpid() && file == id) return true;
    }
    return false;
}

}  // namespace pramo::test
