#pragma once
// The declaration of a record type: its fields with types and widths, and its keys. The store
// derives the table, its columns, indexes and duplicate-key test from this one declaration.

#include <cstddef>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "records/values/date.h"
#include "records/values/dec.h"
#include "records/values/text.h"

namespace pramo {

enum class FieldType : std::uint8_t { Byte, Short, UShort, Long, Decimal, String, Date, Memo };

// Where a record was read from: its row and the version it had, for "changed by another station".
struct RowRef {
    std::int64_t id = 0;
    std::int64_t version = 0;
};

// One field. Whole numbers, decimals (in units of their last place) and dates pass as integers,
// texts as UTF-8.
struct FieldDef {
    std::string_view name;  // column name: "PREZIME" for OSO:PREZIME
    FieldType type;
    int size;    // digits of a DECIMAL, characters of a STRING or MEMO
    int places;  // decimal places of a DECIMAL
    std::int64_t (*getInt)(const void* rec);
    void (*setInt)(void* rec, std::int64_t v);
    std::string_view (*getText)(const void* rec);
    void (*setText)(void* rec, std::string_view v);
    // A field a later version added to its file: the value every record of books kept before it
    // gets when they are upgraded (the text of a text field; a whole number in units of the last
    // place otherwise). Null for a field the file always had.
    const char* addedWith = nullptr;
    // A text field a later version widened: its width in books kept before (0: never widened).
    int earlierSize = 0;

    bool isText() const { return type == FieldType::String || type == FieldType::Memo; }
    std::string typeName() const;  // "STRING(25)", "DECIMAL(11,2)", "LONG" ...
    std::string earlierTypeName() const;  // the same at the width of books kept before a widening
    std::int64_t minValue() const;
    std::int64_t maxValue() const;
};

// Inline: every value a record is read with is checked against them.
inline std::int64_t FieldDef::minValue() const {
    switch (type) {
    case FieldType::Byte:
    case FieldType::UShort:
    case FieldType::Date: return 0;
    case FieldType::Short: return INT16_MIN;
    case FieldType::Long: return INT32_MIN;
    case FieldType::Decimal: return -(pow10i(size) - 1);
    default: return 0;
    }
}

inline std::int64_t FieldDef::maxValue() const {
    switch (type) {
    case FieldType::Byte: return UINT8_MAX;
    case FieldType::UShort: return UINT16_MAX;
    case FieldType::Short: return INT16_MAX;
    case FieldType::Long:
    case FieldType::Date: return INT32_MAX;
    case FieldType::Decimal: return pow10i(size) - 1;
    default: return 0;
    }
}


struct TableDef;

// How generic code handles a record of a declared type without knowing the type.
struct RecordOps {
    void (*clear)(void*);
    RowRef& (*row)(void*);
    void* (*create)();
    void (*destroy)(void*);
    void (*copy)(void*, const void*);
};

struct KeyPart {
    std::string_view field;
    bool descending = false;
};

// A key: ordered components, unique or not. Its name is the spelling the program's messages and
// listings use ("OSO:KEYOIB"); a unique key that forms check has a display name ("OSO:KeyOIB").
// A key nothing reads by (kept up to date only) can go without an index: every record still
// holds its sort value, and writing a record does not pay for an index no read uses.
struct KeyDef {
    std::string_view name{};
    std::string_view display{};
    std::vector<KeyPart> parts{};
    bool unique = false;
    bool indexed = true;

    // Filled in when the table is declared.
    mutable const TableDef* table = nullptr;
    mutable std::vector<int> fieldIndex{};
    mutable int ordinal = -1;

    std::string column() const;  // hidden column holding the key's sort value: "_KEYOIB"
    std::string_view displayName() const { return display.empty() ? name : display; }
};

// Sets the fields a record derives from its others (a payment's year from its date) and answers
// whether any of them changed.
using DeriveFields = bool (*)(void* rec);

struct TableDef {
    TableDef(std::string_view name, std::string_view prefix, std::vector<FieldDef> fields,
             std::vector<const KeyDef*> keys, const struct RecordOps& ops, std::string_view label = {},
             DeriveFields derive = nullptr);

    std::string_view name;    // table name in the database: "OSOBE"
    std::string_view prefix;  // field prefix: "OSO"
    std::string label;        // lower-case name used in messages: "osobe"
    std::vector<FieldDef> fields;
    std::vector<const KeyDef*> keys;  // the first is the number key
    void (*clear)(void* rec);         // every text blank, every number and date zero
    RowRef& (*row)(void* rec);
    void* (*create)();                // a new cleared record on the heap
    void (*destroy)(void* rec);
    void (*copy)(void* to, const void* from);
    // Null, or the rule for the derived fields: the store applies it to every record it reads,
    // writes or rebuilds the keys of, so no reader sees a derived field another tool left stale.
    DeriveFields derive = nullptr;

    int fieldIndex(std::string_view field) const;  // -1 when there is no such field
    const FieldDef* field(std::string_view name) const;
    const KeyDef* key(std::string_view keyName) const;
    const KeyDef& primaryKey() const { return *keys.front(); }
    std::string layoutSignature() const;  // fields with types and widths, to detect a foreign layout
};

// A declared record type: a struct with its table declaration (Osobe, Dohoci ...).
template <class R>
concept Record = requires {
    { R::table } -> std::convertible_to<const TableDef&>;
};

// True when the two records hold equal values in every field (row references are not compared).
bool sameFields(const TableDef& t, const void* a, const void* b);

namespace detail {

template <class T> struct MemberOf;
template <class C, class M> struct MemberOf<M C::*> {
    using Class = C;
    using Type = M;
};

template <class M> constexpr FieldType fieldTypeOf() {
    if constexpr (std::is_same_v<M, std::uint8_t>) return FieldType::Byte;
    else if constexpr (std::is_same_v<M, std::int16_t>) return FieldType::Short;
    else if constexpr (std::is_same_v<M, std::uint16_t>) return FieldType::UShort;
    else if constexpr (std::is_same_v<M, std::int32_t>) return FieldType::Long;
    else if constexpr (std::is_same_v<M, Date>) return FieldType::Date;
    else if constexpr (requires { M::places; }) return FieldType::Decimal;
    else if constexpr (M::memo) return FieldType::Memo;
    else return FieldType::String;
}

}  // namespace detail

// field<&Osobe::prezime>("PREZIME"): the field's type and width come from the member's type.
template <auto Member>
FieldDef field(std::string_view name) {
    using Info = detail::MemberOf<decltype(Member)>;
    using C = typename Info::Class;
    using M = typename Info::Type;
    constexpr FieldType type = detail::fieldTypeOf<M>();
    FieldDef f{name, type, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr};
    if constexpr (type == FieldType::String || type == FieldType::Memo) {
        f.size = static_cast<int>(M::capacity);
        f.getText = [](const void* r) -> std::string_view { return (static_cast<const C*>(r)->*Member).view(); };
        f.setText = [](void* r, std::string_view v) { (static_cast<C*>(r)->*Member).assign(v); };
    } else if constexpr (type == FieldType::Decimal) {
        f.size = M::digits;
        f.places = M::places;
        f.getInt = [](const void* r) { return (static_cast<const C*>(r)->*Member).raw(); };
        f.setInt = [](void* r, std::int64_t v) { static_cast<C*>(r)->*Member = M::fromRaw(v); };
    } else if constexpr (type == FieldType::Date) {
        f.getInt = [](const void* r) -> std::int64_t { return (static_cast<const C*>(r)->*Member).serial(); };
        f.setInt = [](void* r, std::int64_t v) {
            static_cast<C*>(r)->*Member = Date::fromSerial(static_cast<std::int32_t>(v));
        };
    } else {
        f.getInt = [](const void* r) -> std::int64_t { return static_cast<const C*>(r)->*Member; };
        f.setInt = [](void* r, std::int64_t v) { static_cast<C*>(r)->*Member = static_cast<M>(v); };
    }
    return f;
}

// A field that books kept by an earlier version lack: their records get `valueInOldBooks` when the
// books are upgraded (see books_upgrade.h): added(field<&Vrstedoh::porezopcine>("POREZOPCINE"), "NE").
inline FieldDef added(FieldDef f, const char* valueInOldBooks) {
    f.addedWith = valueInOldBooks;
    return f;
}

// A text field a later version widened from `earlierSize` characters: books kept before are
// upgraded (see books_upgrade.h) keeping every value as it is, a text column taking any width.
inline FieldDef widened(FieldDef f, int earlierSize) {
    f.earlierSize = earlierSize;
    return f;
}

// Declares the table of record type R (which has a member `RowRef row`).
template <class R>
TableDef declareTable(std::string_view name, std::string_view prefix, std::vector<FieldDef> fields,
                      std::vector<const KeyDef*> keys, std::string_view label = {}, DeriveFields derive = nullptr) {
    static const RecordOps ops{
        [](void* r) { *static_cast<R*>(r) = R{}; },
        [](void* r) -> RowRef& { return static_cast<R*>(r)->row; },
        []() -> void* { return new R{}; },
        [](void* r) { delete static_cast<R*>(r); },
        [](void* to, const void* from) { *static_cast<R*>(to) = *static_cast<const R*>(from); }};
    return TableDef(name, prefix, std::move(fields), std::move(keys), ops, label, derive);
}

}  // namespace pramo
