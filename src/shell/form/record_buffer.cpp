#include "shell/form/record_buffer.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "records/values/exact.h"
#include "records/values/number_format.h"

namespace pramo {

RecordBuffer& RecordBuffer::operator=(const RecordBuffer& other) {
    if (this == &other) return *this;
    if (table_ != other.table_) {
        void* fresh = other.table_->create();
        table_->destroy(rec_);
        table_ = other.table_;
        rec_ = fresh;
    }
    table_->copy(rec_, other.rec_);
    return *this;
}

std::int64_t RecordBuffer::number(std::string_view field) const {
    return fieldOf(*table_, field).getInt(rec_);
}

void RecordBuffer::setNumber(std::string_view field, std::int64_t v) {
    fieldOf(*table_, field).setInt(rec_, v);
}

std::string RecordBuffer::text(std::string_view field) const { return fieldText(fieldOf(*table_, field), rec_); }

StoreCode readLinked(Store& store, const KeyDef& numberKey, std::int64_t number, RecordBuffer& rec) {
    rec.clear();
    const FieldDef& f = numberKey.table->fields[static_cast<std::size_t>(numberKey.fieldIndex.front())];
    if (number < f.minValue() || number > f.maxValue()) return StoreCode::NotFound;
    f.setInt(rec.get(), number);
    return store.getRaw(numberKey, rec.get());
}

const FieldDef& fieldOf(const TableDef& t, std::string_view name) {
    const FieldDef* f = t.field(name);
    if (!f) throw std::logic_error(std::string(t.prefix) + ":" + std::string(name) + " is not a declared field");
    return *f;
}

namespace {

// A scaled integer written with a decimal comma and `places` decimals.
std::string decimalText(std::int64_t raw, int fieldPlaces, int places, NumberUse use) {
    const auto rounded = Exact::scaled(raw, fieldPlaces).roundScaled(places);
    return formatDecimal(rounded ? *rounded : 0, places, {use});
}

std::optional<std::int64_t> wholeNumber(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

// Whether `s` is 1 to 3 digits followed by groups of exactly three, each after a point.
bool groupedDigits(std::string_view s) {
    const auto first = s.find('.');
    if (first == 0 || first > 3 || s.find_first_not_of("0123456789.") != std::string_view::npos) return false;
    for (std::size_t at = first; at < s.size(); at += 4)
        if (s[at] != '.' || s.size() < at + 4 || s.substr(at + 1, 3).find('.') != std::string_view::npos) return false;
    return true;
}

// `s` without its sign.
std::string_view withoutSign(std::string_view s) {
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    return s;
}

// An amount as the screens write it ("1.234,50", "-12.345.678,00", "1.000.000") without its
// grouping points; any other text as it is. A single point with no comma is a decimal point
// ("12.5", as the keypad types it).
std::string ungrouped(std::string_view s) {
    const std::size_t sign = s.size() - withoutSign(s).size();
    const std::size_t comma = s.find(',');
    const std::string_view whole = s.substr(sign, comma == std::string_view::npos ? std::string_view::npos : comma - sign);
    const auto points = std::count(whole.begin(), whole.end(), '.');
    if (points == 0 || (points == 1 && comma == std::string_view::npos) || !groupedDigits(whole)) return std::string(s);
    std::string out(s.substr(0, sign));
    for (const char c : whole)
        if (c != '.') out += c;
    return out + std::string(comma == std::string_view::npos ? std::string_view() : s.substr(comma));
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string fieldText(const FieldDef& f, const void* rec, FieldFormat format) {
    if (f.isText()) return std::string(f.getText(rec));
    const std::int64_t v = f.getInt(rec);
    if (v == 0 && format.blankWhenZero) return {};
    if (f.type == FieldType::Date) return Date::fromSerial(static_cast<std::int32_t>(v)).toString();
    if (f.type == FieldType::Decimal) return decimalText(v, f.places, format.places < 0 ? f.places : format.places, format.use);
    return std::to_string(v);
}

bool ambiguousPoint(const FieldDef& f, std::string_view typed) {
    const std::string_view s = withoutSign(trimmed(typed));
    return f.type == FieldType::Decimal && f.places < 3 && s.find(',') == std::string_view::npos &&
           std::count(s.begin(), s.end(), '.') == 1 && groupedDigits(s);
}

std::optional<FieldValue> parseField(const FieldDef& f, std::string_view typed) {
    if (f.isText()) {
        if (utf8::length(utf8::trimRight(typed)) > static_cast<std::size_t>(f.size)) return std::nullopt;
        return FieldValue{0, std::string(utf8::trimRight(typed))};
    }
    const std::string_view s = trimmed(typed);
    std::optional<std::int64_t> v;
    if (f.type == FieldType::Date) {
        const auto d = Date::parse(s);
        if (d) v = d->serial();
    } else if (f.type == FieldType::Decimal) {
        if (ambiguousPoint(f, s)) return std::nullopt;
        const auto e = s.empty() ? std::optional<Exact>(Exact{}) : Exact::parse(ungrouped(s));
        if (e && e->roundScaled(f.places) && Exact::scaled(*e->roundScaled(f.places), f.places) == *e)
            v = e->roundScaled(f.places);
    } else {
        v = s.empty() ? std::optional<std::int64_t>(0) : wholeNumber(s);
    }
    if (!v || *v < f.minValue() || *v > f.maxValue()) return std::nullopt;
    return FieldValue{*v, {}};
}

void setField(const FieldDef& f, void* rec, const FieldValue& v) {
    if (f.isText()) f.setText(rec, v.text);
    else f.setInt(rec, v.number);
}

}  // namespace pramo
