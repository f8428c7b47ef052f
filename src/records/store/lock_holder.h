#pragma once
// Which other program holds a lock on a database, for messages about a locked data directory.

#include <optional>
#include <string>

namespace pramo {

struct LockHolder {
    std::string program;  // its name as the system knows it: "pramo-cli"
    long pid = 0;
};

// Another process holding a lock on the database at `path` or on its -shm file, preferring one
// that holds a write lock; nothing when none is found.
std::optional<LockHolder> findLockHolder(const std::string& path);

// The same as "pramo-cli, proces 4711"; empty when none is found. Both read the system's lock
// table and never open the database files (closing a descriptor of a file would drop this
// process's own locks on it).
std::string lockHolder(const std::string& path);

}  // namespace pramo
