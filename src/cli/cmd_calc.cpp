// pramo-cli calc: the income calculation as a calculator, or the recalculation of a stored item.

#include <charconv>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "cli/options.h"
#include "payments/engine.h"
#include "payments/item_calculation.h"
#include "payments/rates_check.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/porstope.h"
#include "records/layouts/vrstedoh.h"

namespace pramo::cli {
namespace {

const std::set<std::string> valueOptions{"--net",      "--gross",     "--rates",  "--surtax", "--pillar2",
                                         "--brackets", "--allowance", "--factor", "--data",   "--item", "--database"};

// A problem with the command line, naming the argument.
struct BadArgument {
    std::string text;
};

// The command line as options with their values.
class Options {
public:
    explicit Options(const std::vector<std::string>& args) {
        using Kind = OptionProblem::Kind;
        if (const auto bad = readCommandLine(args, 0, {.valued = valueOptions, .flags = {"--json"}}, line_))
            refuse(bad->argument, bad->kind == Kind::Unknown   ? "nepoznat argument"
                                  : bad->kind == Kind::NoValue ? "traži vrijednost"
                                  : bad->kind == Kind::Twice   ? "zadan je dvaput"
                                                               : bad->text());
        json = line_.has("--json");
    }

    bool has(const std::string& name) const { return line_.values.contains(name); }
    const std::string& operator[](const std::string& name) const { return line_.values.at(name); }
    void refuse(const std::string& name, const std::string& why) {
        if (!problem) problem = BadArgument{name + ": " + why};
    }
    void refuseValue(const std::string& name, const std::string& value, const std::string& why) {
        refuse(name + " '" + value + "'", why);
    }
    bool ok() const { return !problem; }
    BooksArgs books() const { return booksArgs(line_.values); }

    bool json = false;
    std::optional<BadArgument> problem;

private:
    CommandLine line_;
};

// A value of the decimal field type D typed with a decimal point or comma: no more decimals than
// the field keeps and within its digits, so nothing the user typed is rounded away.
template <class D>
std::optional<D> exactly(std::string_view text, bool negativeAllowed) {
    const auto e = Exact::parse(text);
    if (!e || (!negativeAllowed && e->sign() < 0)) return std::nullopt;
    Flags f;
    const D d = round<D>(*e, f);
    if (f.any() || !(Exact{d} == *e)) return std::nullopt;
    return d;
}

template <class D>
std::string expectation(bool negativeAllowed) {
    return std::string("očekuje se ") + (negativeAllowed ? "broj" : "broj ne manji od 0") + " s najviše " +
           std::to_string(D::places) + " decimale, do " + D::fromRaw(D::maxRaw).toString();
}

template <class D>
D number(Options& o, const std::string& name, const std::string& text, bool negativeAllowed = false) {
    const auto d = exactly<D>(text, negativeAllowed);
    if (!d) o.refuseValue(name, text, expectation<D>(negativeAllowed));
    return d.value_or(D{});
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + 1) parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

Rates ratesFrom(Options& o) {
    const std::string& text = o["--rates"];
    const auto p = split(text, ':');
    if (p.size() != 6) {
        o.refuseValue("--rates", text, "očekuje se šest postotaka NEOP:PRIZN:MOI:MOII:ZO:POREZ");
        return {};
    }
    auto rate = [&](std::size_t i) { return number<Rate>(o, "--rates", p[i]); };
    return {rate(0), rate(1), rate(2), rate(3), rate(4), rate(5)};
}

// A number as people write one: no sign, and no leading zero before another digit ("00,25").
bool plainNumber(const std::string& s) {
    const bool leadingZero = s.size() > 1 && s[0] == '0' && s[1] >= '0' && s[1] <= '9';
    return !leadingZero && !s.empty() && s[0] != '-' && s[0] != '+' && Exact::parse(s);
}

// "LIMIT,RATE" between two '@' of the bracket list, split at the one comma that leaves a plain
// number on both sides (a decimal comma may stand in either: "2200,00,25" is 2200.00 and 25).
std::optional<std::pair<std::string, std::string>> limitAndRate(const std::string& s) {
    std::optional<std::pair<std::string, std::string>> found;
    for (std::size_t at = s.find(','); at != std::string::npos; at = s.find(',', at + 1)) {
        std::pair<std::string, std::string> p{s.substr(0, at), s.substr(at + 1)};
        if (!plainNumber(p.first) || !plainNumber(p.second)) continue;
        if (found) return std::nullopt;
        found = p;
    }
    return found;
}

// RATE@LIMIT,RATE@LIMIT,... as pairs of texts.
std::optional<std::vector<std::pair<std::string, std::string>>> bracketTexts(const std::string& text) {
    const auto parts = split(text, '@');
    if (parts.size() < 2) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> out{{parts.front(), {}}};
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
        const auto lr = limitAndRate(parts[i]);
        if (!lr) return std::nullopt;
        out.back().second = lr->first;
        out.push_back({lr->second, {}});
    }
    out.back().second = parts.back();
    return out;
}

std::vector<Bracket> bracketsFrom(Options& o) {
    const std::string& text = o["--brackets"];
    const auto texts = bracketTexts(text);
    if (!texts) o.refuseValue("--brackets", text, "očekuje se STOPA@GRANICA,STOPA@GRANICA,... (decimale pišite s točkom gdje bi zarez bio dvoznačan)");
    std::vector<Bracket> brackets;
    for (const auto& [rate, limit] : texts.value_or(decltype(*texts){})) {
        brackets.push_back({number<Rate>(o, "--brackets", rate), number<Amount9>(o, "--brackets", limit)});
        if (brackets.size() > 1 && !(brackets[brackets.size() - 2].osnovica < brackets.back().osnovica))
            o.refuseValue("--brackets", text, "svaka granica mora biti viša od prethodne");
    }
    return brackets;
}

bool pillar2From(Options& o) {
    if (!o.has("--pillar2")) return true;
    const std::string& v = o["--pillar2"];
    if (v != "DA" && v != "NE") o.refuseValue("--pillar2", v, "očekuje se DA ili NE");
    return v != "NE";
}

void readBracketGroup(Options& o, Terms& t) {
    const bool any = o.has("--brackets") || o.has("--allowance") || o.has("--factor");
    if (!any) return;
    for (const char* name : {"--brackets", "--allowance", "--factor"})
        if (!o.has(name)) o.refuse(name, "potreban je za obračun po razredima (--brackets, --allowance, --factor)");
    if (!o.ok()) return;
    if (o.has("--gross")) o.refuse("--gross", "ne ide uz --brackets: obračun po razredima polazi od neta");
    t.visestopa = true;
    t.brackets = bracketsFrom(o);
    t.osobniodbitak = number<Rate7>(o, "--allowance", o["--allowance"]);
    t.faktorodbitka = number<Rate>(o, "--factor", o["--factor"]);
}

Terms termsFrom(Options& o) {
    Terms t;
    for (const char* name : {"--rates", "--surtax"})
        if (!o.has(name)) o.refuse(name, "nedostaje");
    if (o.has("--net") && o.has("--gross")) o.refuse("--gross", "ne ide uz --net (zadajte jedno od njih)");
    if (!o.has("--net") && !o.has("--gross")) o.refuse("--net", "nedostaje (ili --gross)");
    if (!o.ok()) return t;
    t.rates = ratesFrom(o);
    t.bezPrireza = o["--surtax"] == "none";  // from 2024: no surtax, the tax rounded once
    if (!t.bezPrireza) t.stopaprireza = number<Rate7>(o, "--surtax", o["--surtax"]);
    t.drugiStup = pillar2From(o);
    readBracketGroup(o, t);
    if (!o.ok()) return t;
    if (const auto p = ratesProblem(t)) {
        const char* option = p->source == RatesProblem::Source::Rates     ? "--rates"
                             : p->source == RatesProblem::Source::Surtax ? "--surtax"
                                                                          : "--brackets";
        o.refuseValue(option, o[option], p->commandLine);
    }
    return t;
}

std::string text(const Lines& lines, bool json) {
    std::ostringstream out;
    for (int p = 1; p <= calculatedPositions; ++p) {
        if (json) out << (p == 1 ? "{" : ", ") << '"' << p << "\": " << lines.at(p).toString();
        else out << p << '\t' << lines.at(p).toString() << '\n';
    }
    if (json) out << "}\n";
    return out.str();
}

int calculator(Options& o) {
    const Terms t = termsFrom(o);
    const std::string from = o.has("--gross") ? "--gross" : "--net";
    const Money amount = o.ok() ? number<Money>(o, from, o[from], true) : Money{};
    if (!o.ok()) return refused("calc", o.problem->text);
    Loc loc;
    Flags flags;
    const int year = SystemClock().today().year();
    const Lines lines = o.has("--gross") ? izbruta(t, amount, year, loc, flags) : calculate(t, amount, year, loc, flags);
    if (flags.overflow) return refused("calc", from + " '" + o[from] + "': obračunati iznosi ne stanu u svoja polja");
    if (flags.divByZero) std::cerr << "pramo-cli calc: stope daju djelitelj nula; ti koraci uzimaju se kao 0\n";
    std::cout << text(lines, o.json);
    return ExitOk;
}

// The item number of --item, after checking that --item comes alone with where the books are.
std::int32_t itemNumber(Options& o) {
    for (const std::string& name : valueOptions)
        if (o.has(name) && !booksOptions.contains(name) && name != "--item") o.refuse(name, "ne ide uz --item");
    if (!o.has("--item")) o.refuse("--item", "nedostaje (--data DIR i --database URI idu uz --item N)");
    if (!o.has("--data") && !o.has("--database")) o.refuse("--data", "nedostaje (--item N traži --data DIR ili --database URI)");
    if (!o.ok()) return 0;
    const std::string& text = o["--item"];
    std::int32_t item = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), item);
    if (error != std::errc{} || end != text.data() + text.size() || item <= 0)
        o.refuseValue("--item", text, "očekuje se broj dohotka");
    return item;
}

// Reads the item into `doh`; ExitOk, or the exit code after the message.
int readItem(Options& o, DataDir& d, Dohoci& doh) {
    const StoreCode found = d.store.get(Dohoci::keyOznaka, doh);
    if (found == StoreCode::NotFound) return refused("calc", "--item " + o["--item"] + ": u " + (d.place.server ? d.place.shown : d.dir) + " nema tog dohotka");
    if (pramo::ok(found)) return ExitOk;
    std::cerr << "pramo-cli calc: dohoci: " << d.store.error().text() << "\n";
    return ExitFailed;
}

// Calculates the item as its form's calculate button does and prints the lines written.
int calculateItem(DataDir& d, const Dohoci& doh, bool json) {
    SystemClock clock;
    ItemCalculation calc(d.store, clock);
    Loc loc;
    const CalcOutcome out = calc.calculate(doh, loc);
    if (!out.message.empty()) std::cerr << "pramo-cli calc: dohodak " << doh.oznaka << ": " << out.message << "\n";
    if (!out.written()) return ExitFailed;
    return printSaved(text(out.lines, json), "obračun dohotka " + std::to_string(doh.oznaka) + " je spremljen");
}

int recalculateItem(Options& o) {
    Dohoci doh;
    doh.oznaka = itemNumber(o);
    if (!o.ok()) return refused("calc", o.problem->text);
    DataDir d;
    if (auto problem = openDataDir(o.books(), false, d))
        return refused("calc", problem->starts_with("--database") ? *problem : "--data: " + *problem);
    if (!openFiles(d, calculationFiles()))
        return ExitFailed;
    if (const int rc = readItem(o, d, doh); rc != ExitOk) return rc;
    return calculateItem(d, doh, o.json);
}

int run(const std::vector<std::string>& args) {
    Options o(args);
    if (!o.ok()) return refused("calc", o.problem->text);
    return o.has("--data") || o.has("--database") || o.has("--item") ? recalculateItem(o) : calculator(o);
}

const Registration registration{Command{
    "calc",
    fixedUsage("  calc (--net IZNOS | --gross IZNOS) --rates NEOP:PRIZN:MOI:MOII:ZO:POREZ --surtax (STOPA|none)\n"
    "       [--pillar2 DA|NE] [--brackets STOPA@GRANICA,STOPA@GRANICA,... --allowance IZNOS --factor F] [--json]\n"
    "      obračun dohotka: stavke 1 do 12 kao POZICIJA<TAB>IZNOS (ili JSON objekt); --surtax none\n"
    "      obračunava kao od 2024., a POREZ je niža stopa općine\n"
    "  calc --item N (--data DIR | --database URI | --data DIR --database URI) [--json]\n"
    "      ponovno obračunava upisani dohodak N, zapisuje njegove stavke 1 do 12 i ispisuje ih"),
    run}};

}  // namespace
}  // namespace pramo::cli
