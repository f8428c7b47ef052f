#pragma once
// What a result code of SQLite means for the program: the store's code and the
// words the user reads. An extended result code (an I/O error while reading, a snapshot that is
// busy, a database moved away under a read-only connection ...) means what its primary code
// means; the engine's own English texts are never shown.

#include <string>
#include <string_view>

#include "records/store/store_code.h"

namespace pramo {

struct EngineMeaning {
    StoreCode code;
    std::string_view words;  // in the program's Croatian, lower case: "datoteka baze podataka je oštećena"
};

// `engineCode` is a result code, primary or extended, as the engine returned it.
EngineMeaning engineMeaning(int engineCode);

// The part of an engine's message worth showing, in Croatian: "nema tablice OSOBE" for "no such
// table: OSOBE", "nema stupca IME" for "no such column: IME"; empty for any other text.
std::string engineDetail(std::string_view engineText);

}  // namespace pramo
