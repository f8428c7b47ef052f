#include "registers/field_cells.h"

#include "records/values/text.h"
#include "registers/delimited_text.h"
#include "registers/import_outcome.h"
#include "xml/xml_text.h"

namespace pramo {
namespace {

std::string named(const FieldDef& f, std::string_view text) {
    return std::string(f.name) + " " + shownValue(text);
}

}  // namespace

std::optional<std::string> setFieldFromCell(const FieldDef& f, void* rec, std::string_view text) {
    if (f.isText()) {
        if (utf8::length(text) > static_cast<std::size_t>(f.size))
            return named(f, text) + " dulje je od " + std::to_string(f.size) + " znakova";
        if (auto fault = xmlTextFault(text)) return std::string(f.name) + " se ne može uvesti: " + *fault;
        f.setText(rec, text);
        return std::nullopt;
    }
    const auto value = decimalCell(text, f.places, f.minValue(), f.maxValue());
    if (!value) {
        const std::string places = f.places ? " s najviše " + std::to_string(f.places) + " decimale" : std::string(" bez decimala");
        return named(f, text) + " nije broj" + places + " u dopuštenom rasponu";
    }
    f.setInt(rec, *value);
    return std::nullopt;
}

}  // namespace pramo
