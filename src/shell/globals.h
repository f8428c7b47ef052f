#pragma once
// The global values every screen shares (GLO:...), filled at start-up and passed explicitly.

#include <cstdint>

#include "records/values/date.h"
#include "records/values/text.h"

namespace pramo {

// Requests a screen passes to the screen it opens, and the answers it gets back.
enum class Request : int { None = 0, Insert = 1, Change = 2, Delete = 3, Select = 4 };
enum class Response : int { None = 0, Completed = 1, Cancelled = 2 };

struct Globals {
    std::uint8_t vrstadoh = 0;  // default income type of a new income item
    Date datumizvj;             // report date offered by the IP certificates
    Text<20> konime;            // contact person of the ID-1 form
    Text<25> konprezime;
    std::uint16_t konpoz1 = 0;
    Text<10> kontel1;
    std::uint16_t konpoz2 = 0;
    Text<10> kontel2;
    Text<40> konemail;
    Text<4> godina;             // year chosen in the payments list
    Text<20> akcija;            // request marker between the municipalities list and its place form
    Response globalResponse = Response::None;
};

// Copies the ID-1 contact person (name, surname, two telephones with their area codes, e-mail)
// between the globals and an ID-1 header, either way.
template <class From, class To>
void copyContact(const From& from, To& to) {
    to.konime = from.konime;
    to.konprezime = from.konprezime;
    to.konpoz1 = from.konpoz1;
    to.kontel1 = from.kontel1;
    to.konpoz2 = from.konpoz2;
    to.kontel2 = from.kontel2;
    to.konemail = from.konemail;
}

}  // namespace pramo
