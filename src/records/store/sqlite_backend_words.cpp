#include "records/store/sqlite_backend_words.h"

#include <sqlite3.h>

namespace pramo {

EngineMeaning engineMeaning(int engineCode) {
    // A commit refused by a hook is a constraint by family, but no key is involved.
    if (engineCode == SQLITE_CONSTRAINT_COMMITHOOK) return {StoreCode::FileSystem, "baza podataka odbila je radnju"};
    switch (engineCode & 0xFF) {  // an extended code carries its primary code in the low byte
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return {StoreCode::FileLocked, "bazu podataka drži zaključanom drugi program"};
    case SQLITE_CONSTRAINT: return {StoreCode::DuplicateKey, "slog s tom vrijednošću ključa već postoji"};
    case SQLITE_NOTADB: return {StoreCode::LayoutMismatch, "datoteka nije baza podataka"};
    case SQLITE_CORRUPT: return {StoreCode::FileSystem, "datoteka baze podataka je oštećena"};
    case SQLITE_FULL: return {StoreCode::FileSystem, "disk je pun"};
    case SQLITE_IOERR: return {StoreCode::FileSystem, "datoteku baze podataka nije moguće čitati ili pisati"};
    case SQLITE_READONLY: return {StoreCode::FileSystem, "u datoteku baze podataka nije dopušteno pisati"};
    case SQLITE_CANTOPEN: return {StoreCode::FileSystem, "datoteku baze podataka nije moguće otvoriti"};
    case SQLITE_PERM:
    case SQLITE_AUTH: return {StoreCode::FileSystem, "nema dozvole za rad s datotekom baze podataka"};
    case SQLITE_NOMEM: return {StoreCode::FileSystem, "nema dovoljno memorije"};
    default: return {StoreCode::FileSystem, "baza podataka odbila je radnju"};
    }
}

std::string engineDetail(std::string_view engineText) {
    static constexpr std::pair<std::string_view, std::string_view> known[] = {
        {"no such table: ", "nema tablice "}, {"no such column: ", "nema stupca "}};
    for (const auto& [english, croatian] : known)
        if (engineText.starts_with(english)) return std::string(croatian) + std::string(engineText.substr(english.size()));
    return {};
}

}  // namespace pramo
