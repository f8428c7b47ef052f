#pragma once
// The one test of what an XML file may carry, used by every XML file the program writes: UTF-8
// in its shortest form (no overlong sequence, no encoded surrogate, nothing past U+10FFFF, no
// sequence cut short) of characters XML 1.0 allows, less the control characters no name or
// amount ever holds. Tab, line feed and carriage return pass; every other C0 control, DEL, the
// C1 controls, U+FFFE and U+FFFF do not. A value is tested before it goes into a document, so a
// file that is not well-formed XML is never written.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "records/store/table_def.h"

namespace pramo {

// The first thing in `text` an XML file cannot carry, in the program's words with the bytes or
// the character shown in hexadecimal ("bajtovi ED A0 80 nisu ispravan UTF-8 (3. znak)",
// "kontrolni znak U+001B (1. znak)"); nullopt when the whole text can be written.
std::optional<std::string> xmlTextFault(std::string_view text);

// The first of the named text fields of record `rec` of table `t` whose value an XML file cannot
// carry: "polje OSO:IME ne može se zapisati u XML: ...". nullopt when every one of them can be
// written.
std::optional<std::string> xmlFieldFault(const TableDef& t, const void* rec, std::initializer_list<std::string_view> fields);

template <Record R>
std::optional<std::string> xmlFieldFault(const R& rec, std::initializer_list<std::string_view> fields) {
    return xmlFieldFault(R::table, &rec, fields);
}

}  // namespace pramo
