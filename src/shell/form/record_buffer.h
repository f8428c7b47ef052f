#pragma once
// A record of any declared type held by generic screen code: lists keep one per row, forms the
// record they edit, its copy on opening and the history copy for ditto. Fields are reached by
// name through the table's declaration, and shown and typed as text.

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "records/store/store.h"
#include "records/store/table_def.h"
#include "records/values/number_format.h"

namespace pramo {

class RecordBuffer {
public:
    explicit RecordBuffer(const TableDef& t) : table_(&t), rec_(t.create()) {}
    RecordBuffer(const RecordBuffer& other) : table_(other.table_), rec_(other.table_->create()) {
        table_->copy(rec_, other.rec_);
    }
    RecordBuffer(RecordBuffer&& other) noexcept : table_(other.table_), rec_(other.rec_) { other.rec_ = nullptr; }
    RecordBuffer& operator=(const RecordBuffer& other);
    RecordBuffer& operator=(RecordBuffer&& other) noexcept {
        std::swap(table_, other.table_);
        std::swap(rec_, other.rec_);
        return *this;
    }
    ~RecordBuffer() {
        if (rec_) table_->destroy(rec_);
    }

    const TableDef& table() const { return *table_; }
    void* get() { return rec_; }
    const void* get() const { return rec_; }
    // The record as its declared type; R must be the type of the table.
    template <Record R> R& as() {
        assert(&R::table == table_);
        return *static_cast<R*>(rec_);
    }
    template <Record R> const R& as() const {
        assert(&R::table == table_);
        return *static_cast<const R*>(rec_);
    }

    void clear() { table_->clear(rec_); }
    template <Record R> void copyFrom(const R& rec) { as<R>() = rec; }
    template <Record R> void copyTo(R& rec) const { rec = as<R>(); }
    RowRef& row() { return table_->row(rec_); }
    bool sameFields(const RecordBuffer& other) const { return pramo::sameFields(*table_, rec_, other.rec_); }

    std::int64_t number(std::string_view field) const;        // a whole-number, decimal (raw) or date field
    void setNumber(std::string_view field, std::int64_t v);
    std::string text(std::string_view field) const;           // as shown (see fieldText)

private:
    const TableDef* table_;
    void* rec_;
};

// How a value is shown: decimals with a comma; `places` overrides the field's places; zero may
// show as blank.
struct FieldFormat {
    int places = -1;
    bool blankWhenZero = false;
    NumberUse use = NumberUse::Screen;  // Print: a point between thousands ("1.439,26")
};

// A field's value as the user sees it: numbers plain, decimals with a decimal comma ("18,00"),
// dates "dd.mm.yyyy" (blank for no date), texts as stored.
std::string fieldText(const FieldDef& f, const void* rec, FieldFormat format = {});

// The stored value of a typed text, or nullopt when the field cannot take it (not a number,
// beyond the field's range or digits, too many decimals, no such date, text too long, a point
// that may mean either thousands or decimals). Amounts are read as the screens write them
// ("1.234,50"); a lone point is the keypad's decimal point ("12.5").
struct FieldValue {
    std::int64_t number = 0;
    std::string text;
};
std::optional<FieldValue> parseField(const FieldDef& f, std::string_view typed);
void setField(const FieldDef& f, void* rec, const FieldValue& v);

// Whether `typed` is an amount whose only point may be a decimal point or a thousands point
// ("1.000", "-12.345" in a field of fewer than three decimals): refused, never guessed.
bool ambiguousPoint(const FieldDef& f, std::string_view typed);

// The record numbered `number` of the file whose number key is `numberKey` into `rec` (Ok,
// NotFound or the store's error): the record a look-up field or column names.
StoreCode readLinked(Store& store, const KeyDef& numberKey, std::int64_t number, RecordBuffer& rec);

// A field by name, for declarations resolved when a screen is built; a misspelt name is a
// programming error and ends with std::logic_error naming it.
const FieldDef& fieldOf(const TableDef& t, std::string_view name);

}  // namespace pramo
