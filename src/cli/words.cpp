#include "cli/words.h"

#include <cerrno>

#include "records/values/unicode.h"

namespace pramo::cli {

std::string systemReason(int error) {
    switch (error) {
    case 0: return {};
    case EACCES:
    case EPERM: return " (nema dozvole)";
    case EROFS: return " (disk je samo za čitanje)";
    case ENOSPC:
    case EDQUOT: return " (na disku nema mjesta)";
    case ENOENT:
    case ENOTDIR: return " (mapa ne postoji)";
    case ENAMETOOLONG: return " (ime je predugo)";
    default: return " (greška sustava " + std::to_string(error) + ")";
    }
}

std::string notUtf8(std::string_view argument) {
    return "argument '" + visibleUtf8(argument) + "' nije UTF-8 tekst (imena datoteka i vrijednosti pišu se u UTF-8)";
}

}  // namespace pramo::cli
