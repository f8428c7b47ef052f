#include <string>
#include <vector>

#include "records/store/files.h"
#include "records/store/refdata.h"

namespace pramo {
namespace {

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const auto tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return cells;
        start = tab + 1;
    }
}

// Sets one field from its text in the data file; false when the text does not fit the field.
bool setField(const FieldDef& f, void* rec, std::string_view text) {
    if (f.isText()) {
        f.setText(rec, text);
        return true;
    }
    const auto e = Exact::parse(text.empty() ? "0" : text);
    const auto raw = e ? e->roundScaled(f.places) : std::nullopt;
    if (!raw || *raw < f.minValue() || *raw > f.maxValue()) return false;
    f.setInt(rec, *raw);
    return true;
}

// The first line that is not a comment names the columns; every other line is one record.
StoreCode addLines(Store& store, const TableDef& t, std::string_view data) {
    std::vector<const FieldDef*> columns;
    void* rec = t.create();
    StoreCode c = StoreCode::Ok;
    for (std::size_t start = 0; start < data.size() && ok(c);) {
        auto end = data.find('\n', start);
        if (end == std::string_view::npos) end = data.size();
        std::string_view line = data.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const auto cells = splitTabs(line);
        if (columns.empty()) {
            for (auto name : cells) columns.push_back(t.field(name));
            continue;
        }
        t.clear(rec);
        for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
            if (columns[i] && !setField(*columns[i], rec, cells[i])) {
                store.setError(StoreCode::LayoutMismatch);
                c = StoreCode::LayoutMismatch;
            }
        }
        if (ok(c)) c = store.addRaw(t, rec);
    }
    t.destroy(rec);
    return c;
}

}  // namespace

StoreCode loadReferenceData(Store& store, const TableDef& t) {
    const std::string file = std::string(t.label) + ".tsv";
    if (!refdata::delivered(file)) return StoreCode::Ok;
    const refdata::FileText delivered = refdata::read(file);
    if (delivered.ok()) return addLines(store, t, delivered.text);
    store.setError({StoreCode::FileSystem, storeMessage(StoreCode::FileSystem), delivered.error, delivered.problem});
    return StoreCode::FileSystem;
}

}  // namespace pramo
