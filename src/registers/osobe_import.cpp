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
#include "records/values/unicode.h"
#include "registers/check_digits.h"
#include "registers/delimited_text.h"
#include "xml/xml_text.h"

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

constexpr const char* notClosed = "navodnik nije zatvoren";

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
        problem(line, "stupac " + name + " se ne uvozi: šifru primatelja daje program, a kontrolne znamenke IBAN-a računa sam");
        return std::nullopt;
    }
    const auto it = special.find(name);
    if (it == special.end() && (field == nullptr || !field->isText())) {
        problem(line, "nepoznat stupac " + shownValue(heading));
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
        if (c && !seen.insert(c->name).second) problem(line.number, "stupac " + c->name + " naveden je dvaput");
        if (c) columns_.push_back(*c);
    }
    if (!cells) problem(line.number, notClosed);
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
    if (auto encoding = encodingProblem(csv)) {
        out_.problems.push_back(*encoding);
        return {};
    }
    const auto lines = csvRecords(csv);
    if (lines.empty()) {
        out_.problems.push_back("datoteka je prazna: njen prvi redak mora imenovati stupce");
        return {};
    }
    out_.code = loadRegisters();
    if (!ok(out_.code) || !heading(lines.front())) return {};
    for (std::size_t i = 1; i < lines.size(); ++i) row(lines[i]);
    return std::move(rows_);
}

void Rows::row(const TextLine& line) {
    const auto cells = csvCells(line.text, separator_);
    if (!cells) return problem(line.number, notClosed);
    if (cells->size() > columns_.size())
        return problem(line.number, "ćelija je " + std::to_string(cells->size()) + ", a zaglavlje imenuje " +
                                        std::to_string(columns_.size()) + " stupaca");
    PayeeRow r{.line = line.number, .oso = Osobe{.fax = "NE", .drugistup = "DA"}};
    bool good = true;
    for (std::size_t i = 0; i < cells->size(); ++i) good = cell(columns_[i], (*cells)[i], r) && good;
    if (good && account(r)) rows_.push_back(std::move(r));
}

bool fits(const std::string& v, std::size_t width) { return utf8::length(v) <= width; }

bool Rows::cell(const Column& c, const std::string& v, PayeeRow& r) {
    const auto tooLong = [&](std::size_t width) {
        problem(r.line, c.name + " " + shownValue(v) + " dulji je od " + std::to_string(width) + " znakova");
        return false;
    };
    if (auto fault = xmlTextFault(v)) return fail(r.line, "stupac " + c.name + " se ne može uvesti: " + *fault);
    switch (c.kind) {
    case Kind::Text:
        if (!fits(v, static_cast<std::size_t>(c.field->size))) return tooLong(static_cast<std::size_t>(c.field->size));
        c.field->setText(&r.oso, v);
        return true;
    case Kind::YesNo: {
        const std::string yn = upperAscii(v);
        if (!yn.empty() && yn != "DA" && yn != "NE") {
            problem(r.line, c.name + " mora biti DA ili NE, a ne " + shownValue(v));
            return false;
        }
        if (!yn.empty()) c.field->setText(&r.oso, yn);
        return true;
    }
    case Kind::Factor: {
        const auto raw = decimalCell(v, Rate::places, 0, Rate::maxRaw);
        if (!raw) problem(r.line, "FAKTORODBITKA " + shownValue(v) + " nije broj od 0 do 999,99 s najviše dvije decimale");
        if (raw) r.oso.faktorodbitka = Rate::fromRaw(*raw);
        return raw.has_value();
    }
    case Kind::Place: r.mjesto = v; return fits(v, 25) || tooLong(25);
    case Kind::Street: r.ulica = v; return fits(v, 25) || tooLong(25);
    case Kind::PostCode: r.postbroj = v; return fits(v, 6) || tooLong(6);
    case Kind::Municipality: {
        const auto it = reg_.municipalities.find(v);
        if (!v.empty() && it == reg_.municipalities.end()) problem(r.line, "nijedna općina nema šifru " + shownValue(v));
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
        problem(r.line, "OIB " + shownValue(v) + " nije 11 znamenki s ispravnom kontrolnom znamenkom");
        return false;
    }
    Osobe other{.oib = v};
    const StoreCode c = store_.get(Osobe::keyOib, other);
    if (!ok(c) && c != StoreCode::NotFound) out_.code = c;
    if (ok(c)) problem(r.line, "OIB " + v + " već ima primatelj " + std::to_string(other.oznaka) + " " +
                                   visibleUtf8(other.prezime.str() + " " + other.ime.str()) + " (OSO:KeyOIB)");
    const auto [it, fresh] = reg_.oibLines.try_emplace(v, r.line);
    if (!fresh) problem(r.line, "OIB " + v + " je i u retku " + std::to_string(it->second) + " (OSO:KeyOIB)");
    r.oso.oib = v;
    return !ok(c) && fresh;
}

// The bank and account of a row once all its cells are read: RACUN may hold the whole IBAN, whose
// bank part must then agree with BANKA; the check digits follow from the bank code and account.
bool Rows::account(PayeeRow& r) {
    std::string code = r.bankCode;
    if (r.account.size() == 21 && r.account.starts_with("HR") && allDigits(std::string_view(r.account).substr(2))) {
        const std::string ibanCode = r.account.substr(4, 7), number = r.account.substr(11);
        if (hrIbanCheck(ibanCode, number) != r.account.substr(0, 4)) return fail(r.line, "IBAN " + r.account + " ima pogrešne kontrolne znamenke");
        if (!code.empty() && code != ibanCode)
            return fail(r.line, "BANKA " + shownValue(code) + " nije vodeći broj banke u IBAN-u " + r.account);
        code = ibanCode;
        r.account = number;
    } else if (!r.account.empty() && !allDigits(r.account, 10)) {
        return fail(r.line, "RACUN " + shownValue(r.account) + " nije ni račun od 10 znamenki ni IBAN (HR i 19 znamenki)");
    }
    r.oso.racun = r.account;
    if (code.empty()) return true;
    const auto it = reg_.banks.find(code);
    if (it == reg_.banks.end()) return fail(r.line, "nijedna banka nema vodeći broj " + shownValue(code) + " (najprije je upišite u Banke)");
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
        out_.remarks.push_back(lineProblem(r.line, "mjesto " + visibleUtf8(r.mjesto) + " upisano je pod šifrom " +
                                                      std::to_string(mje.oznaka) +
                                                      (r.opcina == 0 ? " bez općine; odaberite je u Mjestima prije obračuna" : "")));
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
    Writer writer(store, out);
    out.code = inTransaction(store, [&] {
        StoreCode c = writer.start();
        for (std::size_t i = 0; i < rows.size() && ok(c); ++i) c = writer.write(rows[i]);
        return c;
    });
    if (!ok(out.code)) {
        out.added = 0;
        out.remarks.clear();
    }
    return out;
}

}  // namespace pramo
