#include "shell/list/list_declaration.h"

#include <algorithm>

#include "shell/list/list_panel.h"

namespace pramo {
namespace {

std::string missingField(const TableDef& t, std::string_view name) {
    if (t.field(name)) return {};
    return std::string(t.prefix) + ":" + std::string(name) + " is not a declared field";
}

// A hook made for the records of `hookTable` used on a list of `table`.
std::string foreignHook(const char* what, const TableDef* hookTable, const TableDef& table) {
    if (!hookTable || hookTable == &table) return {};
    return std::string(what) + " works on " + std::string(hookTable->name) + ", the list shows " + std::string(table.name);
}

std::string tabFault(const ListSpec& spec, const TabSpec& tab) {
    if (!tab.key || tab.key->table != spec.table)
        return tab.title.toStdString() + ": the sort is not a key of " + std::string(spec.table->name);
    const RangeSpec& r = tab.range;
    if (r.fields < 0 || r.fields > static_cast<int>(tab.key->parts.size())) return std::string(tab.key->name) + ": range beyond the key";
    if (r.fields > 0 && !r.bind) return std::string(tab.key->name) + ": a range without a way to form it";
    if (auto f = foreignHook("the range", r.table, *spec.table); !f.empty()) return f;
    if (r.from && r.from->table && r.fromTable && r.fromTable != r.from->table)
        return "the range reads " + std::string(r.fromTable->name) + " from a list of " + std::string(r.from->table->name);
    if (r.names.size() == 2 && r.from && r.from->table) {
        if (auto f = missingField(*spec.table, r.names[0]); !f.empty()) return f;
        if (auto f = missingField(*r.from->table, r.names[1]); !f.empty()) return f;
    }
    return foreignHook("the filter", tab.filter.table, *spec.table);
}

std::string columnFault(const ListSpec& spec, const ColumnSpec& c) {
    if (c.typed) return {};
    if (c.compute) return foreignHook(("column " + c.title.toStdString()).c_str(), c.compute.table, *spec.table);
    if (auto f = missingField(*spec.table, c.field); !f.empty()) return f;
    if (c.lookupKey) return missingField(*c.lookupKey->table, c.lookupField);
    return {};
}

}  // namespace

ColumnSpec column(QString title, std::string_view field, FieldFormat format) {
    return {.title = std::move(title), .field = field, .format = format};
}

ColumnSpec typedText(QString title) { return {.title = std::move(title), .typed = true}; }

ColumnSpec lookup(QString title, std::string_view numberField, const KeyDef& key, std::string_view shownField) {
    return {.title = std::move(title), .field = numberField, .lookupKey = &key, .lookupField = shownField};
}

ColumnSpec hidden(ColumnSpec column) {
    column.hidden = true;
    return column;
}

ColumnSpec startingWidth(ColumnSpec column, int chars) {
    column.chars = chars;
    return column;
}

RangeSpec rangeFrom(const ListSpec& from, std::string_view field, std::string_view fromField) {
    RangeSpec range{.fields = 1, .from = &from, .names = {field, fromField}};
    range.bind = [&from, field, fromField](const ListPanel& list, const RecordBuffer* fromRec, RecordBuffer& seek) {
        const FieldDef& to = fieldOf(*list.spec().table, field);
        const FieldDef& source = fieldOf(*from.table, fromField);
        if (!fromRec) return true;  // nothing highlighted there: a blank range, so nothing here
        if (to.isText()) to.setText(seek.get(), source.isText() ? fieldText(source, fromRec->get()) : std::to_string(source.getInt(fromRec->get())));
        else to.setInt(seek.get(), source.getInt(fromRec->get()));
        return true;
    };
    return range;
}

std::vector<const TableDef*> filesOf(const ListSpec& spec) {
    std::vector<const TableDef*> files{spec.table};
    const auto add = [&](const TableDef* t) {
        if (t && std::find(files.begin(), files.end(), t) == files.end()) files.push_back(t);
    };
    for (const auto* columns : {&spec.columns, &spec.below})
        for (const ColumnSpec& c : *columns) add(c.lookupKey ? c.lookupKey->table : nullptr);
    for (const TableDef* t : spec.alsoReads) add(t);
    return files;
}

bool startsWithIgnoringCase(std::string_view value, std::string_view typed) {
    return utf8::upper(value).starts_with(utf8::upper(typed));
}

std::string popupMenuText(bool empty, bool selecting) {
    std::string text = empty ? "&Unesi|~&Mijenjaj|~&Briši|-|" : "&Unesi|&Mijenjaj|&Briši|-|";
    return text + (selecting && !empty ? "&Odaberi" : "~&Odaberi");
}

std::string ownFault(const ListSpec& spec) {
    if (!spec.table) return "a list without a file";
    if (spec.tabs.empty()) return "a list without a sort";
    for (const TabSpec& tab : spec.tabs)
        if (auto f = tabFault(spec, tab); !f.empty()) return f;
    for (const ColumnSpec& c : spec.columns)
        if (auto f = columnFault(spec, c); !f.empty()) return f;
    for (const ColumnSpec& c : spec.below)
        if (auto f = columnFault(spec, c); !f.empty()) return f;
    return foreignHook("primeInsert", spec.hooks.primeInsert.table, *spec.table);
}

}  // namespace pramo
