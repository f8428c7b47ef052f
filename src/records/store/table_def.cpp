#include "records/store/table_def.h"

#include <cctype>
#include <stdexcept>

namespace pramo {

std::string FieldDef::typeName() const {
    switch (type) {
    case FieldType::Byte: return "BYTE";
    case FieldType::Short: return "SHORT";
    case FieldType::UShort: return "USHORT";
    case FieldType::Long: return "LONG";
    case FieldType::Date: return "DATE";
    case FieldType::Decimal: return "DECIMAL(" + std::to_string(size) + "," + std::to_string(places) + ")";
    case FieldType::String: return "STRING(" + std::to_string(size) + ")";
    case FieldType::Memo: return "MEMO(" + std::to_string(size) + ")";
    }
    return "?";
}

std::string FieldDef::earlierTypeName() const {
    if (earlierSize == 0) return typeName();
    FieldDef earlier = *this;
    earlier.size = earlierSize;
    return earlier.typeName();
}

std::string KeyDef::column() const {
    const auto colon = name.find(':');
    return "_" + std::string(colon == std::string_view::npos ? name : name.substr(colon + 1));
}

TableDef::TableDef(std::string_view name_, std::string_view prefix_, std::vector<FieldDef> fields_,
                   std::vector<const KeyDef*> keys_, const RecordOps& ops, std::string_view label_, DeriveFields derive_)
    : name(name_), prefix(prefix_), fields(std::move(fields_)), keys(std::move(keys_)), clear(ops.clear),
      row(ops.row), create(ops.create), destroy(ops.destroy), copy(ops.copy), derive(derive_) {
    label = label_.empty() ? std::string(name) : std::string(label_);
    for (char& c : label) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const KeyDef* key = keys[k];
        key->table = this;
        key->ordinal = static_cast<int>(k);
        key->fieldIndex.clear();
        for (const KeyPart& part : key->parts) {
            const int i = fieldIndex(part.field);
            if (i < 0) throw std::logic_error("key " + std::string(key->name) + " names an unknown field");
            key->fieldIndex.push_back(i);
        }
    }
}

int TableDef::fieldIndex(std::string_view f) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == f) return static_cast<int>(i);
    return -1;
}

const FieldDef* TableDef::field(std::string_view f) const {
    const int i = fieldIndex(f);
    return i < 0 ? nullptr : &fields[static_cast<std::size_t>(i)];
}

const KeyDef* TableDef::key(std::string_view keyName) const {
    for (const KeyDef* k : keys)
        if (k->name == keyName) return k;
    return nullptr;
}

std::string TableDef::layoutSignature() const {
    std::string sig;
    for (const FieldDef& f : fields) {
        if (!sig.empty()) sig += ';';
        sig += std::string(f.name) + ' ' + f.typeName();
    }
    return sig;
}

bool sameFields(const TableDef& t, const void* a, const void* b) {
    for (const FieldDef& f : t.fields) {
        if (f.isText() ? f.getText(a) != f.getText(b) : f.getInt(a) != f.getInt(b)) return false;
    }
    return true;
}

}  // namespace pramo
