#pragma once
// The record store's outcome codes. The numbers are those the program's messages show.

#include <string>

namespace pramo {

enum class [[nodiscard]] StoreCode : int {
    Ok = 0,
    FileNotFound = 2,
    FileLocked = 32,
    NoMoreRecords = 33,   // past the end of a key range, or an empty file
    NotFound = 35,        // get by key found no record
    FileLost = 36,        // the file was made in these books but is gone from the database (another
                          // tool dropped or renamed it): its records are lost, it is not made anew
    FileNotOpen = 37,
    DuplicateKey = 40,
    KeysInvalid = 46,     // the file's keys must be rebuilt
    LayoutMismatch = 47,  // the file does not have the declared record layout
    AlreadyOpen = 52,
    ChangedByOther = 89,  // record changed by another station since it was read
    FileSystem = 90,      // the file system's own code and message are kept beside
};

inline bool ok(StoreCode c) { return c == StoreCode::Ok; }
inline int number(StoreCode c) { return static_cast<int>(c); }

// The store's own wording of a code, in the program's Croatian.
std::string storeMessage(StoreCode c);

// One error as the messages show it: the store's code and message, and for file-system errors
// the file system's own code and message.
struct StoreError {
    StoreCode code = StoreCode::Ok;
    std::string message;
    int fsCode = 0;
    std::string fsMessage;

    bool present() const { return code != StoreCode::Ok; }
    // "Slog nije pronađen (35)"; for 90 the file system's message and code: "disk je pun (13)".
    std::string text() const;
};

}  // namespace pramo
