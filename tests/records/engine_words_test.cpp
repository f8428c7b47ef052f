// The engine's result codes in the program's words: every extended code reads as its family, so
// that a read error, a read-only file or a file that cannot be opened are told apart, and the
// engine's own English never reaches the user.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "records/store/sqlite_backend_words.h"

namespace pramo {
namespace {

TEST(EngineWords, ExtendedCodesMeanWhatTheirFamilyMeans) {
    const char* const damaged = "datoteka baze podataka je oštećena";
    const char* const io = "datoteku baze podataka nije moguće čitati ili pisati";
    const char* const readOnly = "u datoteku baze podataka nije dopušteno pisati";
    const char* const cannotOpen = "datoteku baze podataka nije moguće otvoriti";
    const char* const locked = "bazu podataka drži zaključanom drugi program";
    const struct {
        int code;
        StoreCode store;
        const char* words;
    } cases[] = {
        {SQLITE_IOERR, StoreCode::FileSystem, io},
        {SQLITE_IOERR_READ, StoreCode::FileSystem, io},
        {SQLITE_IOERR_SHORT_READ, StoreCode::FileSystem, io},
        {SQLITE_IOERR_FSYNC, StoreCode::FileSystem, io},
        {SQLITE_IOERR_SHMSIZE, StoreCode::FileSystem, io},  // 4874
        {SQLITE_READONLY, StoreCode::FileSystem, readOnly},
        {SQLITE_READONLY_DBMOVED, StoreCode::FileSystem, readOnly},
        {SQLITE_READONLY_RECOVERY, StoreCode::FileSystem, readOnly},
        {SQLITE_CANTOPEN_ISDIR, StoreCode::FileSystem, cannotOpen},
        {SQLITE_CANTOPEN_NOTEMPDIR, StoreCode::FileSystem, cannotOpen},
        {SQLITE_CORRUPT, StoreCode::FileSystem, damaged},
        {SQLITE_CORRUPT_INDEX, StoreCode::FileSystem, damaged},
        {SQLITE_FULL, StoreCode::FileSystem, "disk je pun"},
        {SQLITE_PERM, StoreCode::FileSystem, "nema dozvole za rad s datotekom baze podataka"},
        {SQLITE_BUSY_SNAPSHOT, StoreCode::FileLocked, locked},
        {SQLITE_BUSY_TIMEOUT, StoreCode::FileLocked, locked},
        {SQLITE_LOCKED_SHAREDCACHE, StoreCode::FileLocked, locked},
        {SQLITE_CONSTRAINT_UNIQUE, StoreCode::DuplicateKey, "slog s tom vrijednošću ključa već postoji"},
        {SQLITE_CONSTRAINT_COMMITHOOK, StoreCode::FileSystem, "baza podataka odbila je radnju"},
        {SQLITE_NOTADB, StoreCode::LayoutMismatch, "datoteka nije baza podataka"},
        {SQLITE_ERROR_RETRY, StoreCode::FileSystem, "baza podataka odbila je radnju"},
    };
    for (const auto& c : cases) {
        const EngineMeaning m = engineMeaning(c.code);
        EXPECT_EQ(m.code, c.store) << c.code;
        EXPECT_EQ(m.words, c.words) << c.code;
    }
}

TEST(EngineWords, OnlyTheMissingTableOrColumnOfAnEngineTextIsShown) {
    EXPECT_EQ(engineDetail("no such table: OSOBE"), "nema tablice OSOBE");
    EXPECT_EQ(engineDetail("no such column: IME"), "nema stupca IME");
    EXPECT_EQ(engineDetail("disk I/O error"), "");
}

}  // namespace
}  // namespace pramo
