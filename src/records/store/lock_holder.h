#pragma once
// Which other program holds a lock on a database, for messages about a locked data directory.

#include <string>

namespace pramo {

// "pramo-cli (process 4711)" for another process holding a lock on the database at `path` or on
// its -shm file, preferring one that holds a write lock; empty when none is found. It reads the
// system's lock table and never opens the database files (closing a descriptor of a file would
// drop this process's own locks on it).
std::string lockHolder(const std::string& path);

}  // namespace pramo
