// The store's side of upgrading books kept by an earlier version: telling a file of an earlier
// layout from a foreign one, reshaping it, and copying the whole database first.

#include <algorithm>
#include <charconv>

#include "records/store/books_upgrade.h"
#include "records/store/dialect.h"
#include "records/store/store.h"
#include "records/store/store_sql.h"

namespace pramo {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        text = at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
    }
    return parts;
}

std::string fieldColumn(const FieldDef& f) { return std::string(f.name) + (f.isText() ? " TEXT" : " INTEGER"); }

// The columns a file of an earlier layout has before its key columns: its fields, _id and _ver.
std::vector<std::string> earlierColumns(const TableDef& t, const std::vector<const FieldDef*>& lacking) {
    std::vector<std::string> out;
    for (const FieldDef& f : t.fields)
        if (std::ranges::find(lacking, &f) == lacking.end()) out.push_back(fieldColumn(f));
    out.insert(out.end(), {"_id INTEGER", "_ver INTEGER"});
    return out;
}

// The file holds the earlier layout's columns, then nothing but key columns (whichever keys the
// version that made it declared).
bool hasColumns(const std::vector<std::string>& have, const std::vector<std::string>& fields) {
    if (have.size() < fields.size() || !std::equal(fields.begin(), fields.end(), have.begin())) return false;
    return std::all_of(have.begin() + static_cast<std::ptrdiff_t>(fields.size()), have.end(),
                       [](const std::string& c) { return c.starts_with("_KEY") && c.ends_with(" BLOB"); });
}

std::string sqlText(std::string_view text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

// The value a record of older books gets in an added field, as SQL.
std::string addedValue(const FieldDef& f) {
    const std::string_view v = f.addedWith ? f.addedWith : "";
    if (f.isText()) return sqlText(v);
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    return ec == std::errc{} && end == v.data() + v.size() ? std::to_string(n) : "0";
}

// Whether `entry` of a recorded layout is field `f`: at its width, or at the width it had before
// a later version widened it.
bool isField(std::string_view entry, const FieldDef& f) {
    const std::string name = std::string(f.name) + ' ';
    return entry == name + f.typeName() || (f.earlierSize != 0 && entry == name + f.earlierTypeName());
}

// The fields a file of layout `signature` holds at the width they had before being widened.
std::vector<std::string_view> fieldsWidenedSince(const TableDef& t, std::string_view signature) {
    const std::vector<std::string_view> had = split(signature, ';');
    std::vector<std::string_view> widened;
    for (const FieldDef& f : t.fields)
        if (f.earlierSize != 0 && std::ranges::find(had, std::string(f.name) + ' ' + f.earlierTypeName()) != had.end())
            widened.push_back(f.name);
    return widened;
}

}  // namespace

std::optional<std::vector<const FieldDef*>> fieldsAddedSince(const TableDef& t, std::string_view signature) {
    const std::vector<std::string_view> had = split(signature, ';');
    std::vector<const FieldDef*> lacking;
    std::size_t next = 0;
    for (const FieldDef& f : t.fields) {
        if (next < had.size() && isField(had[next], f)) ++next;
        else if (f.addedWith) lacking.push_back(&f);
        else return std::nullopt;
    }
    if (next != had.size()) return std::nullopt;
    return lacking;
}

StoreCode Store::columnsOf(std::string_view table, std::vector<std::string>& columns) {
    columns.clear();
    if (!backend_) return answer(StoreCode::FileNotOpen);
    return backendCode(backend_->columnsOf(table, columns));
}

StoreCode Store::signatureOf(std::string_view table, std::optional<std::string>& signature) {
    return lookup("SELECT signature FROM _pramo_layout WHERE tbl = ?1", table, signature);
}

// The indexes of the file named as the program names a key's index ("OBRACUN_KEYPOZICIJA") that
// its declaration does not make: those of keys a later version keeps without an index.
StoreCode Store::undeclaredIndexes(const TableDef& t, std::vector<std::string>& names) {
    names.clear();
    if (!backend_) return answer(StoreCode::FileNotOpen);
    std::vector<std::string> all;
    if (const StoreCode c = backendCode(backend_->indexesOf(t.name, all)); !ok(c)) return c;
    const std::string ours = std::string(t.name) + "_KEY";
    for (std::string& name : all) {
        const auto declared = [&](const KeyDef* k) { return k->indexed && sql::indexName(*k) == name; };
        if (name.starts_with(ours) && std::ranges::none_of(t.keys, declared)) names.push_back(std::move(name));
    }
    return StoreCode::Ok;
}

StoreCode Store::layoutOf(const TableDef& t, Layout& layout) {
    std::vector<std::string> have, undeclared;
    std::optional<std::string> signature;
    if (auto c = columnsOf(t.name, have); !ok(c)) return c;
    if (auto c = signatureOf(t.name, signature); !ok(c)) return c;
    if (auto c = undeclaredIndexes(t, undeclared); !ok(c)) return c;
    const bool declared = have == sql::columns(t);
    const auto lacking = signature ? fieldsAddedSince(t, *signature) : std::nullopt;
    if (have.empty()) layout = Layout::Missing;
    else if (declared && (!signature || *signature == t.layoutSignature()))
        layout = undeclared.empty() ? Layout::Current : Layout::Earlier;
    else if (lacking && hasColumns(have, earlierColumns(t, *lacking))) layout = Layout::Earlier;
    else layout = Layout::Other;
    return StoreCode::Ok;
}

// The earlier file is renamed aside, the declared one made, the records copied over in their rows,
// and the keys computed for all of them. A file whose fields are as declared and that differs only
// in an index a key no longer has loses that index, and nothing else changes.
StoreCode Store::reshape(const TableDef& t, std::vector<std::string_view>& added, std::vector<std::string_view>& widened) {
    added.clear();
    widened.clear();
    std::optional<std::string> signature;
    if (auto c = signatureOf(t.name, signature); !ok(c)) return c;
    if (!signature || *signature == t.layoutSignature()) {
        std::vector<std::string> undeclared;
        StoreCode c = undeclaredIndexes(t, undeclared);
        for (const std::string& name : undeclared) c = ok(c) ? exec("DROP INDEX " + sql::quoted(name)) : c;
        if (ok(c)) ++writes_;
        return c;
    }
    const auto lacking = signature ? fieldsAddedSince(t, *signature) : std::nullopt;
    if (!lacking) return answer(StoreCode::LayoutMismatch);
    widened = fieldsWidenedSince(t, *signature);
    std::string columns, values;
    for (const FieldDef& f : t.fields) {
        const bool lacked = std::ranges::find(*lacking, &f) != lacking->end();
        if (lacked) added.push_back(f.name);
        columns += sql::quoted(f.name) + ", ";
        values += (lacked ? addedValue(f) : sql::quoted(f.name)) + ", ";
    }
    const std::string aside = sql::quoted("_pramo_earlier_" + std::string(t.name));
    StoreCode c = exec("ALTER TABLE " + sql::quoted(t.name) + " RENAME TO " + aside);
    if (ok(c)) c = createTable(t);
    if (ok(c))
        c = exec("INSERT INTO " + sql::quoted(t.name) + " (" + columns + "_id, _ver) SELECT " + values + "_id, _ver FROM " + aside);
    if (const std::string after = dialect().afterGivenIds(t); ok(c) && !after.empty()) c = exec(after);
    if (ok(c)) c = exec("DROP TABLE " + aside);
    return ok(c) ? rebuildKeys(t) : c;
}

StoreCode Store::copyInto(const std::string& path) {
    if (depth_ > 0) return answer(StoreCode::FileLocked);
    if (!backend_) return answer(StoreCode::FileNotOpen);
    return backendCode(backend_->copyInto(path));
}

}  // namespace pramo
