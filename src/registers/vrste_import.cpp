#include "registers/vrste_import.h"

#include <map>
#include <set>

#include "records/layouts/vrstedoh.h"
#include "records/store/key_walk.h"
#include "registers/delimited_text.h"
#include "registers/field_cells.h"
#include "registers/income_type_codes.h"

namespace pramo {
namespace {

constexpr std::uint8_t highestNumber = 255;  // VRS:OZNAKA is a byte

struct TypeRow {
    int line;
    Vrstedoh vrs;
};

// The file as read: its columns, its rows, and the problems named by line.
class TypeFile {
public:
    TypeFile(Store& store, ImportOutcome& out) : store_(store), out_(out) {}
    std::vector<TypeRow> read(std::string_view tsv);

private:
    bool heading(const TextLine& line);
    void row(const TextLine& line);
    bool cells(const TextLine& line, Vrstedoh& vrs);
    std::optional<std::string> codesProblem(Vrstedoh& vrs);
    void problem(int line, const std::string& text) { out_.problems.push_back(lineProblem(line, text)); }

    Store& store_;
    ImportOutcome& out_;
    std::vector<const FieldDef*> columns_;
    std::map<std::string, int> names_, numbers_;  // lines of the names and numbers read so far
    std::vector<TypeRow> rows_;
};

bool TypeFile::heading(const TextLine& line) {
    std::set<std::string_view> seen;
    for (const std::string& name : tabCells(line.text)) {
        const FieldDef* f = Vrstedoh::table.field(name);
        if (!f) problem(line.number, "stupac " + shownValue(name) + " nije polje vrste dohotka (OZNAKA, NAZIV, POREZNASTOPA, ...)");
        else if (!seen.insert(f->name).second) problem(line.number, "stupac " + std::string(f->name) + " naveden je dvaput");
        columns_.push_back(f);
    }
    for (const char* needed : {"OZNAKA", "NAZIV"})
        if (!seen.contains(needed)) problem(line.number, std::string("nema stupca ") + needed);
    return out_.problems.empty();
}

bool TypeFile::cells(const TextLine& line, Vrstedoh& vrs) {
    const std::vector<std::string> values = tabCells(line.text);
    if (values.size() > columns_.size()) {
        problem(line.number, "više stupaca nego u naslovnom retku (" + std::to_string(columns_.size()) + ")");
        return false;
    }
    bool sound = true;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (auto p = setFieldFromCell(*columns_[i], &vrs, values[i])) {
            problem(line.number, *p);
            sound = false;
        }
    return sound;
}

// The JOPPD codes must go together and be in the code books, as the income type form demands.
std::optional<std::string> TypeFile::codesProblem(Vrstedoh& vrs) {
    const TypeVerdict verdict = checkCodes(store_, vrs);
    if (!verdict.store) return verdict.message;
    if (vrs.rezstringa == nonTaxableRecipient) {
        if (!nonTaxableEntry(store_, vrs))
            return "neoporezivog primitka " + std::to_string(nonTaxableCode(vrs)) + " nema u šifrarniku";
    } else if (!receiptEntry(store_, vrs)) {
        return "oznake primitka " + shownValue(vrs.rezstringb.view()) + " nema u šifrarniku";
    }
    return std::nullopt;
}

void TypeFile::row(const TextLine& line) {
    Vrstedoh vrs;
    if (!cells(line, vrs)) return;
    if (vrs.oznaka == 0) return problem(line.number, "OZNAKA mora biti broj od 1 do 255");
    if (vrs.naziv.blank()) return problem(line.number, "NAZIV je prazan");
    if (auto p = codesProblem(vrs)) return problem(line.number, *p);
    const auto [name, newName] = names_.try_emplace(vrs.naziv.str(), line.number);
    if (!newName) return problem(line.number, "vrsta " + shownValue(vrs.naziv.view()) + " već je u retku " + std::to_string(name->second));
    const auto [number, newNumber] = numbers_.try_emplace(std::to_string(vrs.oznaka), line.number);
    if (!newNumber) return problem(line.number, "OZNAKA " + std::to_string(vrs.oznaka) + " već je u retku " + std::to_string(number->second));
    rows_.push_back({line.number, vrs});
}

std::vector<TypeRow> TypeFile::read(std::string_view tsv) {
    for (const TextLine& line : textLines(tsv)) {
        if (line.text.starts_with('#')) continue;
        if (columns_.empty()) {
            if (!heading(line)) return {};
            continue;
        }
        row(line);
    }
    if (rows_.empty() && out_.problems.empty())
        out_.problems.push_back("u datoteci nema nijedne vrste dohotka: prvi redak navodi polja (OZNAKA, NAZIV, ...), "
                                "a svaki sljedeći jednu vrstu, odvojeno tabulatorom");
    return rows_;
}

// The types registered: their numbers, and their numbers by name.
struct Registered {
    std::set<std::uint8_t> numbers;
    std::map<std::string, Vrstedoh> byName;
};

StoreCode readRegistered(Store& store, Registered& reg) {
    return walkAll<Vrstedoh>(store, Vrstedoh::keyOznaka, [&reg](const Vrstedoh& vrs) {
        reg.numbers.insert(vrs.oznaka);
        reg.byName.try_emplace(vrs.naziv.str(), vrs);
    });
}

// The file's number when it is free, else the one after the highest; 0 when none is left.
std::uint8_t freeNumber(const Registered& reg, std::uint8_t wanted) {
    if (!reg.numbers.contains(wanted)) return wanted;
    const int next = *reg.numbers.rbegin() + 1;
    return next > highestNumber ? 0 : static_cast<std::uint8_t>(next);
}

StoreCode write(Store& store, TypeRow row, Registered& reg, ImportOutcome& out) {
    if (const auto it = reg.byName.find(row.vrs.naziv.str()); it != reg.byName.end()) {
        row.vrs.oznaka = it->second.oznaka;
        if (sameFields(Vrstedoh::table, &row.vrs, &it->second)) {
            ++out.unchanged;
            return StoreCode::Ok;
        }
        ++out.skipped;
        out.remarks.push_back("vrsta dohotka " + shownValue(row.vrs.naziv.view()) + " već je upisana (oznaka " +
                              std::to_string(it->second.oznaka) + ") i ostaje kakva jest");
        return StoreCode::Ok;
    }
    row.vrs.oznaka = freeNumber(reg, row.vrs.oznaka);
    if (row.vrs.oznaka == 0) {
        out.problems.push_back(lineProblem(row.line, "nema slobodne oznake vrste dohotka (najviše 255)"));
        return StoreCode::Ok;
    }
    reg.numbers.insert(row.vrs.oznaka);
    ++out.added;
    return store.add(row.vrs);
}

}  // namespace

refdata::FileText shippedIncomeTypes() { return refdata::read("vrste_dohotka.tsv"); }

ImportOutcome importVrste(Store& store, std::string_view tsv) {
    return importText<TypeRow>(
        store, tsv, [&](std::string_view text, ImportOutcome& out) { return TypeFile(store, out).read(text); },
        [&](const std::vector<TypeRow>& rows, ImportOutcome& out) {
            Registered reg;
            StoreCode c = readRegistered(store, reg);
            for (std::size_t i = 0; i < rows.size() && ok(c) && out.problems.empty(); ++i) c = write(store, rows[i], reg, out);
            return c;
        });
}

}  // namespace pramo
