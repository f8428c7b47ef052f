#include "registers/opcine_import.h"

#include <map>
#include <variant>

#include "records/layouts/opcine.h"
#include "records/store/refdata.h"
#include "records/values/text.h"
#include "registers/check_digits.h"
#include "registers/delimited_text.h"
#include "registers/tax_account.h"

namespace pramo {
namespace {

struct Row {
    int line;
    Opcine values;  // code, name and rate
};

enum class LineKind { Record, Skipped, Heading };

LineKind kindOf(const std::vector<std::string>& cells, bool first) {
    const std::string& code = cells[0];
    if (first && !allDigits(code)) return LineKind::Heading;
    if (code == "00000" || code.starts_with("99")) return LineKind::Skipped;
    return LineKind::Record;
}

// The row of one line, or the problem with it.
std::variant<Row, std::string> parseRow(const TextLine& line, const std::vector<std::string>& cells) {
    const auto bad = [&](std::string_view what) { return lineProblem(line.number, what); };
    if (cells.size() < 2) return bad("expected code, name, (unused), surtax rate separated by tabs");
    const std::string& code = cells[0];
    if (!allDigits(code, 5) || code[0] != '0') return bad("the code '" + code + "' is not five digits starting with 0");
    const std::string& name = cells[1];
    if (name.empty()) return bad("the name is blank");
    if (utf8::length(name) > Text<25>::capacity) return bad("the name '" + name + "' is longer than 25 characters");
    const std::string rateText = cells.size() > 3 ? cells[3] : std::string();
    const auto rate = decimalCell(rateText, Rate7::places, 0, 10000);
    if (!rate) return bad("the surtax rate '" + rateText + "' is not a percentage from 0 to 100 with at most two decimals");
    Opcine opc{.shifra = code.substr(1), .naziv = name, .stopaprireza = Rate7::fromRaw(*rate)};
    return Row{line.number, opc};
}

std::vector<Row> parse(std::string_view tsv, ImportOutcome& out) {
    std::vector<Row> rows;
    bool first = true;
    for (const TextLine& line : textLines(tsv)) {
        if (line.text.starts_with('#')) continue;
        if (!validUtf8(line.text)) {
            out.problems.push_back(lineProblem(line.number, "not UTF-8 text (save the file as UTF-8)"));
            continue;
        }
        const auto cells = tabCells(line.text);
        const LineKind kind = kindOf(cells, first);
        first = false;
        if (kind != LineKind::Record) {
            out.skipped += kind == LineKind::Skipped;
            continue;
        }
        auto row = parseRow(line, cells);
        if (auto* r = std::get_if<Row>(&row)) rows.push_back(*r);
        else out.problems.push_back(std::get<std::string>(row));
    }
    return rows;
}

// Every municipality by its code, and the highest number in use.
StoreCode readExisting(Store& store, std::map<std::string, Opcine>& byCode, std::int32_t& last) {
    store.set(Opcine::keyOznaka);
    for (Opcine opc;;) {
        const StoreCode c = store.next(opc);
        if (c == StoreCode::NoMoreRecords) return StoreCode::Ok;
        if (!ok(c)) return c;
        last = opc.oznaka;
        byCode.try_emplace(opc.shifra.str(), opc);
    }
}

StoreCode write(Store& store, const Row& row, std::map<std::string, Opcine>& byCode, std::int32_t& last,
                ImportOutcome& out) {
    auto [it, isNew] = byCode.try_emplace(row.values.shifra.str(), Opcine{.oznaka = last + 1, .shifra = row.values.shifra});
    Opcine& opc = it->second;
    const Opcine before = opc;
    opc.naziv = row.values.naziv;
    opc.stopaprireza = row.values.stopaprireza;
    kontrola(opc);
    if (isNew) {
        ++last;
        ++out.added;
        return store.add(opc);
    }
    if (sameFields(Opcine::table, &before, &opc)) {
        ++out.unchanged;
        return StoreCode::Ok;
    }
    ++out.updated;
    return store.put(opc);
}

}  // namespace

refdata::FileText shippedMunicipalities() { return refdata::read("sifre_opcina_gradova.tsv"); }

ImportOutcome importOpcine(Store& store, std::string_view tsv) {
    ImportOutcome out;
    const std::vector<Row> rows = parse(tsv, out);
    if (!out.problems.empty()) return out;
    Transaction tx(store, Store::lockWaitSeconds);
    std::map<std::string, Opcine> byCode;
    std::int32_t last = 0;
    out.code = tx.began() ? readExisting(store, byCode, last) : tx.code();
    for (std::size_t i = 0; i < rows.size() && ok(out.code); ++i) out.code = write(store, rows[i], byCode, last, out);
    if (ok(out.code)) out.code = tx.commit();
    return out;
}

}  // namespace pramo
