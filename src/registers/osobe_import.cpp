#include "registers/osobe_import.h"

#include <map>
#include <set>

#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/ulice.h"
#include "records/store/key_encoding.h"
#include "records/store/read_linked.h"
#include "registers/check_digits.h"
#include "registers/delimited_text.h"

namespace pramo {
namespace {

enum class Kind { Text, Oib, YesNo, Factor, Place, Street, PostCode, Municipality, Bank, Account };

struct Column {
    std::string name;
    Kind kind = Kind::Text;
    const FieldDef* field = nullptr;  // the payee's field, for Text, Oib and YesNo
};

struct PayeeRow {
    int line = 0;
    Osobe oso;
    std::string mjesto, ulica, postbroj, bankCode, account;
    std::int32_t opcina = 0;
};

// What the rows are checked against: the registers as they are before the import.
struct Registers {
    std::map<std::string, std::uint16_t> banks;      // by bank code
    std::map<std::string, std::int32_t> municipalities;  // by four-digit code
    std::map<std::string, int> oibLines;              // OIBs of earlier rows of the file
};

class Rows {
public:
    Rows(Store& store, ImportOutcome& out) : store_(store), out_(out) {}

    std::vector<PayeeRow> parse(std::string_view csv);

private:
    bool heading(const TextLine& line);
    std::optional<Column> column(const std::string& name, int line);
    void row(const TextLine& line);
    bool cell(const Column& c, const std::string& v, PayeeRow& r);
    bool oib(const std::string& v, PayeeRow& r);
    bool account(PayeeRow& r);
    void problem(int line, const std::string& text) { out_.problems.push_back(lineProblem(line, text)); }
    bool fail(int line, const std::string& text) {
        problem(line, text);
        return false;
    }
    StoreCode loadRegisters();

    Store& store_;
    ImportOutcome& out_;
    char separator_ = ',';
    std::vector<Column> columns_;
    Registers reg_;
    std::vector<PayeeRow> rows_;
};

std::string upperAscii(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return s;
}

std::optional<Column> Rows::column(const std::string& heading, int line) {
    static const std::map<std::string, Kind> special = {
        {"OIB", Kind::Oib}, {"DRUGISTUP", Kind::YesNo}, {"FAX", Kind::YesNo}, {"FAKTORODBITKA", Kind::Factor},
        {"MJESTO", Kind::Place}, {"ULICA", Kind::Street}, {"POSTBROJ", Kind::PostCode},
        {"OPCINA", Kind::Municipality}, {"BANKA", Kind::Bank}, {"RACUN", Kind::Account}};
    const std::string name = upperAscii(heading);
    const FieldDef* field = Osobe::table.field(name);
    if (name == "OZNAKA" || name == "RKONT") {
        problem(line, "the column " + name + " is not imported: the program gives the payee's number and computes the IBAN check digits");
        return std::nullopt;
    }
    const auto it = special.find(name);
    if (it == special.end() && (field == nullptr || !field->isText())) {
        problem(line, "unknown column '" + heading + "'");
        return std::nullopt;
    }
    return Column{name, it == special.end() ? Kind::Text : it->second, field};
}

bool Rows::heading(const TextLine& line) {
    separator_ = line.text.find('\t') != std::string_view::npos ? '\t'
               : line.text.find(';') != std::string_view::npos ? ';' : ',';
    const auto cells = csvCells(line.text, separator_);
    std::set<std::string> seen;
    for (const std::string& name : cells.value_or(std::vector<std::string>{})) {
        auto c = column(name, line.number);
        if (c && !seen.insert(c->name).second) problem(line.number, "the column " + c->name + " is given twice");
        if (c) columns_.push_back(*c);
    }
    if (!cells) problem(line.number, "a quote is not closed");
    return out_.problems.empty();
}

StoreCode Rows::loadRegisters() {
    store_.set(Banke::keyOznaka);
    StoreCode c = StoreCode::Ok;
    for (Banke ban; ok(c = store_.next(ban));) reg_.banks.try_emplace(ban.vodecibroj.str(), ban.oznaka);
    if (c != StoreCode::NoMoreRecords) return c;
    store_.set(Opcine::keyOznaka);
    for (Opcine opc; ok(c = store_.next(opc));) reg_.municipalities.try_emplace(opc.shifra.str(), opc.oznaka);
    return c == StoreCode::NoMoreRecords ? StoreCode::Ok : c;
}

std::vector<PayeeRow> Rows::parse(std::string_view csv) {
    const auto lines = textLines(csv);
    if (lines.empty()) {
        problem(1, "the file is empty; its first line must name the columns");
        return {};
    }
    out_.code = loadRegisters();
    if (!ok(out_.code) || !heading(lines.front())) return {};
    for (std::size_t i = 1; i < lines.size(); ++i) row(lines[i]);
    return std::move(rows_);
}

void Rows::row(const TextLine& line) {
    if (!validUtf8(line.text)) return problem(line.number, "not UTF-8 text (save the file as CSV UTF-8)");
    const auto cells = csvCells(line.text, separator_);
    if (!cells) return problem(line.number, "a quote is not closed");
    if (cells->size() > columns_.size())
        return problem(line.number, std::to_string(cells->size()) + " cells, but the heading names " +
                                        std::to_string(columns_.size()) + " columns");
    PayeeRow r{.line = line.number, .oso = Osobe{.fax = "NE", .drugistup = "DA"}};
    bool good = true;
    for (std::size_t i = 0; i < cells->size(); ++i) good = cell(columns_[i], (*cells)[i], r) && good;
    if (good && account(r)) rows_.push_back(std::move(r));
}

bool fits(const std::string& v, std::size_t width) { return utf8::length(v) <= width; }

bool Rows::cell(const Column& c, const std::string& v, PayeeRow& r) {
    const auto tooLong = [&](std::size_t width) {
        problem(r.line, c.name + " '" + v + "' is longer than " + std::to_string(width) + " characters");
        return false;
    };
    switch (c.kind) {
    case Kind::Text:
        if (!fits(v, static_cast<std::size_t>(c.field->size))) return tooLong(static_cast<std::size_t>(c.field->size));
        c.field->setText(&r.oso, v);
        return true;
    case Kind::YesNo: {
        const std::string yn = upperAscii(v);
        if (!yn.empty() && yn != "DA" && yn != "NE") {
            problem(r.line, c.name + " must be DA or NE, not '" + v + "'");
            return false;
        }
        if (!yn.empty()) c.field->setText(&r.oso, yn);
        return true;
    }
    case Kind::Factor: {
        const auto raw = decimalCell(v, Rate::places, 0, Rate::maxRaw);
        if (!raw) problem(r.line, "FAKTORODBITKA '" + v + "' is not a number from 0 to 999.99 with at most two decimals");
        if (raw) r.oso.faktorodbitka = Rate::fromRaw(*raw);
        return raw.has_value();
    }
    case Kind::Place: r.mjesto = v; return fits(v, 25) || tooLong(25);
    case Kind::Street: r.ulica = v; return fits(v, 25) || tooLong(25);
    case Kind::PostCode: r.postbroj = v; return fits(v, 6) || tooLong(6);
    case Kind::Municipality: {
        const auto it = reg_.municipalities.find(v);
        if (!v.empty() && it == reg_.municipalities.end()) problem(r.line, "no municipality has the code '" + v + "'");
        r.opcina = it == reg_.municipalities.end() ? 0 : it->second;
        return v.empty() || r.opcina != 0;
    }
    case Kind::Oib: return oib(v, r);
    case Kind::Bank: r.bankCode = v; return true;
    case Kind::Account: r.account = v; return true;
    }
    return false;
}

bool Rows::oib(const std::string& v, PayeeRow& r) {
    if (v.empty()) return true;
    if (!validOib(v)) {
        problem(r.line, "OIB '" + v + "' is not 11 digits with a correct check digit");
        return false;
    }
    Osobe other{.oib = v};
    const StoreCode c = store_.get(Osobe::keyOib, other);
    if (!ok(c) && c != StoreCode::NotFound) out_.code = c;
    if (ok(c)) problem(r.line, "OIB " + v + " belongs to payee " + std::to_string(other.oznaka) + " " +
                                   other.prezime.str() + " " + other.ime.str() + " (OSO:KeyOIB)");
    const auto [it, fresh] = reg_.oibLines.try_emplace(v, r.line);
    if (!fresh) problem(r.line, "OIB " + v + " is also on line " + std::to_string(it->second) + " (OSO:KeyOIB)");
    r.oso.oib = v;
    return !ok(c) && fresh;
}

// The bank and account of a row once all its cells are read: RACUN may hold the whole IBAN, whose
// bank part must then agree with BANKA; the check digits follow from the bank code and account.
bool Rows::account(PayeeRow& r) {
    std::string code = r.bankCode;
    if (r.account.size() == 21 && r.account.starts_with("HR") && allDigits(std::string_view(r.account).substr(2))) {
        const std::string ibanCode = r.account.substr(4, 7), number = r.account.substr(11);
        if (hrIbanCheck(ibanCode, number) != r.account.substr(0, 4)) return fail(r.line, "the IBAN " + r.account + " has wrong check digits");
        if (!code.empty() && code != ibanCode) return fail(r.line, "BANKA " + code + " is not the bank code of the IBAN " + r.account);
        code = ibanCode;
        r.account = number;
    } else if (!r.account.empty() && !allDigits(r.account, 10)) {
        return fail(r.line, "RACUN '" + r.account + "' is neither a 10-digit account nor an IBAN (HR and 19 digits)");
    }
    r.oso.racun = r.account;
    if (code.empty()) return true;
    const auto it = reg_.banks.find(code);
    if (it == reg_.banks.end()) return fail(r.line, "no bank has the code '" + code + "' (enter it in Banke first)");
    r.oso.banka = it->second;
    if (!r.account.empty()) r.oso.rkont = hrIbanCheck(code, r.account);
    return true;
}

template <class R>
StoreCode lastNumber(Store& store, std::int32_t& last) {
    R rec;
    const StoreCode c = readLast(store, rec);
    last = ok(c) ? static_cast<std::int32_t>(rec.oznaka) : 0;
    return c;
}

// Writes the rows, creating the places and streets they name that are not registered yet.
class Writer {
public:
    Writer(Store& store, ImportOutcome& out) : store_(store), out_(out) {}

    StoreCode start() {
        StoreCode c = lastNumber<Osobe>(store_, lastPayee_);
        if (ok(c)) c = lastNumber<Mjesta>(store_, lastPlace_);
        return ok(c) ? lastNumber<Ulice>(store_, lastStreet_) : c;
    }

    StoreCode write(PayeeRow& r) {
        StoreCode c = r.mjesto.empty() ? StoreCode::Ok : place(r);
        if (ok(c) && !r.ulica.empty()) c = street(r);
        r.oso.oznaka = ++lastPayee_;
        if (ok(c)) c = store_.add(r.oso);
        out_.added += ok(c);
        return c;
    }

private:
    StoreCode place(PayeeRow& r) {
        Mjesta mje{.naziv = r.mjesto};
        store_.setFrom(Mjesta::keyNaziv, mje);
        StoreCode c = store_.next(mje);
        if (ok(c) && foldText(mje.naziv.view()) == foldText(r.mjesto)) {
            r.oso.mjesto = mje.oznaka;
            return c;
        }
        if (!ok(c) && c != StoreCode::NoMoreRecords) return c;
        mje = Mjesta{.oznaka = ++lastPlace_, .naziv = r.mjesto, .opcina = r.opcina, .postbroj = r.postbroj};
        r.oso.mjesto = mje.oznaka;
        out_.remarks.push_back("line " + std::to_string(r.line) + ": place " + r.mjesto + " created as number " +
                               std::to_string(mje.oznaka) +
                               (r.opcina == 0 ? " without a municipality; choose it in Mjesta before calculating" : ""));
        return store_.add(mje);
    }

    StoreCode street(PayeeRow& r) {
        Ulice uli{.naziv = r.ulica};
        StoreCode c = store_.get(Ulice::keyNaziv, uli);
        if (c == StoreCode::NotFound) {
            uli = Ulice{.oznaka = ++lastStreet_, .naziv = r.ulica};
            c = store_.add(uli);
        }
        r.oso.ulica = uli.oznaka;
        return c;
    }

    Store& store_;
    ImportOutcome& out_;
    std::int32_t lastPayee_ = 0, lastPlace_ = 0, lastStreet_ = 0;
};

}  // namespace

ImportOutcome importOsobe(Store& store, std::string_view csv) {
    ImportOutcome out;
    std::vector<PayeeRow> rows = Rows(store, out).parse(csv);
    if (!out.written()) return out;
    Transaction tx(store, Store::lockWaitSeconds);
    Writer writer(store, out);
    out.code = tx.began() ? writer.start() : tx.code();
    for (std::size_t i = 0; i < rows.size() && ok(out.code); ++i) out.code = writer.write(rows[i]);
    if (ok(out.code)) out.code = tx.commit();
    if (!ok(out.code)) {
        out.added = 0;
        out.remarks.clear();
    }
    return out;
}

}  // namespace pramo
