#include "registers/stope_import.h"

#include <map>
#include <set>
#include <variant>

#include "records/layouts/opcine.h"
#include "records/layouts/stopeopcina.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"
#include "registers/check_digits.h"
#include "registers/delimited_text.h"

namespace pramo {
namespace {

struct Row {
    int line;
    std::string code;  // four digits, as the municipality register keeps it
    std::string name;
    Rate niza, visa;
};

constexpr const char* columns = "šifra, naziv, niža i viša stopa odvojeni tabulatorom";

std::optional<Rate> rateCell(const std::string& text) {
    const auto raw = decimalCell(text, Rate::places, 0, 10000);
    return raw ? std::optional<Rate>(Rate::fromRaw(*raw)) : std::nullopt;
}

// The row of one line, or the problem with it.
std::variant<Row, std::string> parseRow(const TextLine& line, const std::vector<std::string>& cells) {
    const auto bad = [&](std::string_view what) { return lineProblem(line.number, what); };
    if (cells.size() < 4) return bad(std::string("očekuju se ") + columns);
    const std::string& code = cells[0];
    if (!allDigits(code, 5) || code[0] != '0') return bad("šifra " + shownValue(code) + " nije pet znamenki s 0 na početku");
    const auto niza = rateCell(cells[2]), visa = rateCell(cells[3]);
    const auto notRate = [](const char* which, const std::string& text) {
        return std::string(which) + " stopa " + shownValue(text) + " nije postotak od 0 do 100 s najviše dvije decimale";
    };
    if (!niza) return bad(notRate("niža", cells[2]));
    if (!visa) return bad(notRate("viša", cells[3]));
    if (*visa < *niza) return bad("niža stopa " + shownValue(cells[2]) + " veća je od više " + shownValue(cells[3]));
    return Row{line.number, code.substr(1), cells[1], *niza, *visa};
}

std::vector<Row> parse(std::string_view tsv, ImportOutcome& out) {
    std::vector<Row> rows;
    std::map<std::string, int> codeLines;
    for (const auto& [line, cells] : tableLines(tsv)) {
        auto row = parseRow(line, cells);
        if (auto* r = std::get_if<Row>(&row)) refuseRepeatedCode(r->code, r->line, codeLines, out);
        if (auto* r = std::get_if<Row>(&row)) rows.push_back(*r);
        else out.problems.push_back(std::get<std::string>(row));
    }
    if (rows.empty() && out.problems.empty())
        out.problems.push_back(std::string("u datoteci nema nijedne stope: svaki redak mora imati ") + columns);
    return rows;
}

// The codes of the municipalities in the register.
StoreCode registeredCodes(Store& store, std::set<std::string>& codes) {
    return walkAll<Opcine>(store, Opcine::keyShifra, [&codes](const Opcine& opc) { codes.insert(opc.shifra.str()); });
}

// The row's rates as of `from`: added, updated, or left as they are.
StoreCode write(Store& store, const Row& row, Date from, std::int32_t& last, ImportOutcome& out) {
    Stopeopcina sto{.opcina = row.code, .vrijediod = from};
    const StoreCode found = store.get(Stopeopcina::keyOpcinaDatum, sto);
    if (found != StoreCode::NotFound && !ok(found)) return found;
    if (ok(found) && sto.nizastopa == row.niza && sto.visastopa == row.visa) {
        ++out.unchanged;
        return StoreCode::Ok;
    }
    sto.nizastopa = row.niza;
    sto.visastopa = row.visa;
    if (ok(found)) {
        ++out.updated;
        return store.put(sto);
    }
    sto.oznaka = ++last;
    ++out.added;
    return store.add(sto);
}

// The municipalities passed over, the first ten by code and name.
std::string unregistered(const std::vector<const Row*>& rows) {
    constexpr std::size_t named = 10;
    std::string names;
    for (std::size_t i = 0; i < rows.size() && i < named; ++i)
        names += (names.empty() ? "" : ", ") + ("0" + rows[i]->code) + " " + rows[i]->name;
    if (rows.size() > named) names += " i još " + std::to_string(rows.size() - named);
    return "općine kojih nema u registru općina (njihove stope nisu uvezene; uvezite najprije općine): " + names;
}

StoreCode writeAll(Store& store, const std::vector<Row>& rows, Date from, ImportOutcome& out) {
    std::set<std::string> codes;
    Stopeopcina lastRow;
    if (auto c = registeredCodes(store, codes); !ok(c)) return c;
    if (auto c = readLast(store, lastRow); !ok(c)) return c;
    std::int32_t last = lastRow.oznaka;
    std::vector<const Row*> passedOver;
    for (const Row& row : rows) {
        if (!codes.contains(row.code)) {
            passedOver.push_back(&row);
            ++out.skipped;
        } else if (auto c = write(store, row, from, last, out); !ok(c)) {
            return c;
        }
    }
    if (!passedOver.empty()) out.remarks.push_back(unregistered(passedOver));
    return StoreCode::Ok;
}

}  // namespace

ShippedRates shippedRatesTable() { return {"porez_na_dohodak_od_2025-03-01.tsv", *Date::fromYmd(2025, 3, 1)}; }

refdata::FileText shippedMunicipalRates() { return refdata::read(shippedRatesTable().file); }

ImportOutcome importStope(Store& store, std::string_view tsv, Date from) {
    return importText<Row>(store, tsv, parse, [&](const std::vector<Row>& rows, ImportOutcome& out) {
        return writeAll(store, rows, from, out);
    });
}

}  // namespace pramo
