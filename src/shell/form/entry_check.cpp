#include "shell/form/entry_check.h"

#include "records/values/exact.h"
#include "records/values/number_format.h"
#include "shell/form/record_buffer.h"

namespace pramo {
namespace {

// "&Oznaka:" → "Oznaka"
std::string plainLabel(const QString& label) {
    QString s = label;
    s.remove('&');
    s = s.trimmed();
    while (s.endsWith(':')) s.chop(1);
    return s.trimmed().toStdString();
}

std::string shown(const FieldDef& f, std::int64_t v) {
    return f.type == FieldType::Decimal ? formatDecimal(v, f.places, {NumberUse::Screen}) : std::to_string(v);
}

// What a number field takes, when the typed text is a number at all.
std::string numberFault(const FieldDef& f, const std::string& name, std::string_view typed) {
    const auto e = Exact::parse(typed);
    if (!e) return name + " nije ispravan broj.";
    const int places = f.type == FieldType::Decimal ? f.places : 0;
    const auto scaled = e->roundScaled(places);
    if (scaled && Exact::scaled(*scaled, places) != *e)
        return places > 0 ? name + " smije imati najviše " + std::to_string(places) + " decimale." : name + " mora biti cijeli broj.";
    return name + " mora biti između " + shown(f, f.minValue()) + " i " + shown(f, f.maxValue()) + ".";
}

}  // namespace

bool aloneInUniqueKey(const TableDef& table, const FieldDef& field) {
    if (field.isText() || field.type == FieldType::Date) return false;
    for (const KeyDef* k : table.keys)
        if (k->unique && k->fieldIndex.size() == 1 && &table.fields[static_cast<std::size_t>(k->fieldIndex[0])] == &field) return true;
    return false;
}

std::string entryFault(const FieldDef& field, const QString& label, std::string_view typed, bool refuseZero) {
    const std::string name = plainLabel(label);
    if (const auto v = parseField(field, typed)) return refuseZero && v->number == 0 ? name + " ne smije biti 0." : "";
    if (field.isText()) return name + " smije imati najviše " + std::to_string(field.size) + " znakova.";
    if (field.type == FieldType::Date) return name + ": datum nije ispravan (dd.mm.gggg).";
    if (ambiguousPoint(field, typed)) return name + ": točka može značiti tisuće ili decimale; decimale upišite zarezom.";
    std::string_view s = typed;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return numberFault(field, name, s);
}

}  // namespace pramo
