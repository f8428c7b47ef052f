#include "shell/list/list_declaration.h"

#include <stdexcept>

#include "shell/list/list_panel.h"

namespace pramo {

ColumnSpec column(QString title, std::string_view field, FieldFormat format) {
    return {.title = std::move(title), .field = field, .format = format};
}

ColumnSpec lookup(QString title, std::string_view numberField, const KeyDef& key, std::string_view shownField) {
    return {.title = std::move(title), .field = numberField, .lookupKey = &key, .lookupField = shownField};
}

RangeSpec rangeFrom(const ListSpec& from, std::string_view field, std::string_view fromField) {
    RangeSpec range{.fields = 1, .from = &from};
    range.bind = [&from, field, fromField](const ListPanel& list, const void* fromRec, void* seek) {
        const FieldDef& to = fieldOf(*list.spec().table, field);
        const FieldDef& source = fieldOf(*from.table, fromField);
        if (!fromRec) return true;  // nothing highlighted there: a blank range, so nothing here
        if (to.isText()) to.setText(seek, source.isText() ? source.getText(fromRec) : std::to_string(source.getInt(fromRec)));
        else to.setInt(seek, source.getInt(fromRec));
        return true;
    };
    return range;
}

bool startsWithIgnoringCase(std::string_view value, std::string_view typed) {
    return utf8::upper(value).starts_with(utf8::upper(typed));
}

std::string popupMenuText(bool empty, bool selecting) {
    std::string text = empty ? "&Unesi|~&Mijenjaj|~&Briši|-|" : "&Unesi|&Mijenjaj|&Briši|-|";
    return text + (selecting && !empty ? "&Odaberi" : "~&Odaberi");
}

void checkDeclaration(const ListSpec& spec) {
    if (!spec.table) throw std::logic_error("a list without a file");
    if (spec.tabs.empty()) throw std::logic_error("a list without a sort");
    for (const TabSpec& tab : spec.tabs) {
        if (!tab.key || tab.key->table != spec.table)
            throw std::logic_error(tab.title.toStdString() + ": the sort is not a key of " + std::string(spec.table->name));
        if (tab.range.fields < 0 || tab.range.fields > static_cast<int>(tab.key->parts.size()))
            throw std::logic_error(std::string(tab.key->name) + ": range beyond the key");
    }
    for (const ColumnSpec& c : spec.columns) {
        if (c.compute) continue;
        (void)fieldOf(*spec.table, c.field);
        if (c.lookupKey) (void)fieldOf(*c.lookupKey->table, c.lookupField);
    }
}

}  // namespace pramo
