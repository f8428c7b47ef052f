#include "registers/opcine_import.h"

#include <map>
#include <variant>

#include "records/layouts/opcine.h"
#include "records/store/key_walk.h"
#include "records/store/refdata.h"
#include "records/values/text.h"
#include "registers/check_digits.h"
#include "registers/delimited_text.h"
#include "registers/tax_account.h"
#include "xml/xml_text.h"

namespace pramo {
namespace {

struct Row {
    int line;
    Opcine values;   // code, name and rate
    bool rateGiven;  // without the rate column a municipality keeps the rate it has
};

// The blank code "00000" is no municipality (a country abroad, 99..., is taken as one).
bool notMunicipality(const std::string& code) { return code == "00000"; }

constexpr const char* columns = "šifra, naziv, (neupotrijebljen stupac) i stopa prireza odvojeni tabulatorom";

// The row of one line, or the problem with it.
std::variant<Row, std::string> parseRow(const TextLine& line, const std::vector<std::string>& cells) {
    const auto bad = [&](std::string_view what) { return lineProblem(line.number, what); };
    if (cells.size() < 2) return bad(std::string("očekuju se ") + columns);
    const std::string& code = cells[0];
    if (!allDigits(code, 5) || (code[0] != '0' && !abroadCode(code)))
        return bad("šifra " + shownValue(code) + " nije pet znamenki s 0 (općina) ili 99 (država) na početku");
    const std::string& name = cells[1];
    if (name.empty()) return bad("naziv je prazan");
    if (auto fault = xmlTextFault(name)) return bad("naziv (stupac 2) se ne može uvesti: " + *fault);
    if (utf8::length(name) > Text<25>::capacity) return bad("naziv " + shownValue(name) + " dulji je od 25 znakova");
    const bool rateGiven = cells.size() > 3;
    const std::string rateText = rateGiven ? cells[3] : std::string();
    const auto rate = decimalCell(rateText, Rate7::places, 0, 10000);
    if (!rate) return bad("stopa prireza " + shownValue(rateText) + " nije postotak od 0 do 100 s najviše dvije decimale");
    Opcine opc{.shifra = registerCode(code), .naziv = name, .stopaprireza = Rate7::fromRaw(*rate)};
    return Row{line.number, opc, rateGiven};
}

// Why a file without a single municipality to import is refused.
std::string nothingToImport(std::string_view tsv) {
    const std::vector<TextLine> lines = textLines(tsv);
    const bool commas = !lines.empty() && lines.front().text.find('\t') == std::string_view::npos &&
                        lines.front().text.find_first_of(",;") != std::string_view::npos;
    return std::string("u datoteci nema nijedne općine: svaki redak mora imati ") + columns +
           (commas ? " (stupci ove datoteke odvojeni su zarezom ili točkom sa zarezom)" : "");
}

std::vector<Row> parse(std::string_view tsv, ImportOutcome& out) {
    std::vector<Row> rows;
    std::map<std::string, int> codeLines;
    for (const auto& [line, cells] : tableLines(tsv)) {
        if (notMunicipality(cells.front())) {
            ++out.skipped;
            continue;
        }
        auto row = parseRow(line, cells);
        if (auto* r = std::get_if<Row>(&row)) refuseRepeatedCode(r->values.shifra.str(), r->line, codeLines, out);
        if (auto* r = std::get_if<Row>(&row)) rows.push_back(*r);
        else out.problems.push_back(std::get<std::string>(row));
    }
    if (rows.empty() && out.problems.empty()) out.problems.push_back(nothingToImport(tsv));
    return rows;
}

// Every municipality by its code, and the highest number in use.
StoreCode readExisting(Store& store, std::map<std::string, Opcine>& byCode, std::int32_t& last) {
    return walkAll<Opcine>(store, Opcine::keyOznaka, [&](const Opcine& opc) {
        last = opc.oznaka;
        byCode.try_emplace(opc.shifra.str(), opc);
    });
}

StoreCode write(Store& store, const Row& row, std::map<std::string, Opcine>& byCode, std::int32_t& last,
                ImportOutcome& out) {
    auto [it, isNew] = byCode.try_emplace(row.values.shifra.str(), Opcine{.oznaka = last + 1, .shifra = row.values.shifra});
    Opcine& opc = it->second;
    const Opcine before = opc;
    opc.naziv = row.values.naziv;
    if (isNew || row.rateGiven) opc.stopaprireza = row.values.stopaprireza;
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
    return importText<Row>(store, tsv, parse, [&](const std::vector<Row>& rows, ImportOutcome& out) {
        std::map<std::string, Opcine> byCode;
        std::int32_t last = 0;
        StoreCode c = readExisting(store, byCode, last);
        for (std::size_t i = 0; i < rows.size() && ok(c); ++i) c = write(store, rows[i], byCode, last, out);
        return c;
    });
}

}  // namespace pramo
