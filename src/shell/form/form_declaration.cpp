#include "shell/form/form_declaration.h"

#include <algorithm>

#include "shell/list/list_declaration.h"

namespace pramo {
namespace {

std::string missingField(const TableDef& t, std::string_view name) {
    if (t.field(name)) return {};
    return std::string(t.prefix) + ":" + std::string(name) + " is not a declared field";
}

std::string lookupFault(const FieldSpec& f) {
    const LookupSpec& l = f.lookup;
    if (!l.key) return l.list || l.registered ? f.label.toStdString() + ": a look-up without its number key" : std::string();
    if (l.list && l.list->table != l.key->table)
        return f.label.toStdString() + ": the look-up's list does not show " + std::string(l.key->table->name);
    return l.shown.empty() ? std::string() : missingField(*l.key->table, l.shown);
}

// A list on the form must be ranged by the form's record.
std::string listFault(const FormSpec& spec, const FieldSpec& f) {
    if (f.kind != FieldKind::List) return {};
    if (!f.list) return f.label.toStdString() + ": a list field without its list";
    for (const TabSpec& tab : f.list->tabs)
        if (!tab.range.fromForm || tab.range.fromTable != spec.table)
            return f.list->caption.toStdString() + ": a list on a form of " + std::string(spec.table->name) +
                   " is not ranged by its record";
    return {};
}

std::string fieldFault(const FormSpec& spec, const FieldSpec& f) {
    if (auto m = listFault(spec, f); !m.empty()) return m;
    if (f.kind == FieldKind::Entry || f.kind == FieldKind::Options)
        if (auto m = missingField(*spec.table, f.field); !m.empty()) return m;
    if (f.tab < 0 || (f.tab > 0 && f.tab >= static_cast<int>(spec.tabs.size()))) return f.label.toStdString() + ": no such tab";
    return lookupFault(f);
}

}  // namespace

std::vector<const TableDef*> filesOf(const FormSpec& spec) {
    std::vector<const TableDef*> files{spec.table};
    const auto add = [&files](const TableDef* t) {
        if (t && std::find(files.begin(), files.end(), t) == files.end()) files.push_back(t);
    };
    for (const FieldSpec& f : spec.fields)
        if (f.lookup.key) add(f.lookup.key->table);
    for (const TableDef* t : spec.alsoReads) add(t);
    return files;
}

std::string ownFault(const FormSpec& spec) {
    if (!spec.table) return "a form without a file";
    for (const FieldSpec& f : spec.fields)
        if (auto m = fieldFault(spec, f); !m.empty()) return m;
    for (const FieldDefault& d : spec.defaults)
        if (auto m = missingField(*spec.table, d.field); !m.empty()) return m;
    for (const KeyDef* k : spec.duplicateOrder)
        if (k->table != spec.table || !k->unique) return std::string(k->name) + " is not a unique key of the form's file";
    return {};
}

}  // namespace pramo
