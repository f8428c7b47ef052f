#include "engine_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace pramo::test {

namespace {

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, sep);) parts.push_back(part);
    return parts;
}

template <class D>
D dec(const std::string& text) {
    const auto d = D::parse(text);
    if (!d) ADD_FAILURE() << "bad number in cases file: " << text;
    return d.value_or(D{});
}

Rates ratesFrom(const std::string& text) {
    const auto p = split(text, ':');
    if (p.size() != 6) ADD_FAILURE() << "rates need six parts: " << text;
    if (p.size() != 6) return {};
    return {dec<Rate>(p[0]), dec<Rate>(p[1]), dec<Rate>(p[2]), dec<Rate>(p[3]), dec<Rate>(p[4]), dec<Rate>(p[5])};
}

std::vector<Bracket> bracketsFrom(const std::string& text) {
    std::vector<Bracket> brackets;
    for (const std::string& b : split(text, ';')) {
        const auto p = split(b, '@');
        brackets.push_back({dec<Rate>(p.at(0)), dec<Amount9>(p.at(1))});
    }
    return brackets;
}

void setInput(EngineCase& c, const std::string& key, const std::string& value) {
    if (key == "neto") c.neto = dec<Money>(value);
    else if (key == "bruto") c.bruto = dec<Money>(value);
    else if (key == "rates") c.terms.rates = ratesFrom(value);
    else if (key == "prirez" && value == "ukinut") c.terms.bezPrireza = true;
    else if (key == "prirez") c.terms.stopaprireza = dec<Rate7>(value);
    else if (key == "drugiStup") c.terms.drugiStup = value != "NE";
    else if (key == "odbitak") c.terms.osobniodbitak = dec<Rate7>(value);
    else if (key == "faktor") c.terms.faktorodbitka = dec<Rate>(value);
    else if (key == "year") c.year = std::stoi(value);
    else if (key == "brackets") {
        c.terms.brackets = bracketsFrom(value);
        c.terms.visestopa = true;
    } else ADD_FAILURE() << "unknown input " << key;
}

EngineCase parseCase(const std::string& line) {
    std::istringstream in(line);
    EngineCase c;
    in >> c.id;
    bool expected = false;
    for (std::string word; in >> word;) {
        if (word == "->") {
            expected = true;
            continue;
        }
        const auto eq = word.find('=');
        const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
        if (expected) c.expected[key] = value;
        else setInput(c, key, value);
    }
    if (!c.expected.count("flags")) c.expected["flags"] = "none";
    return c;
}

std::string flagsText(const Flags& f) {
    if (f.overflow) return "overflow";
    return f.divByZero ? "divByZero" : "none";
}

std::string bracketValue(const Loc& loc, const std::string& name) {
    const auto dot = name.find('.');
    const auto k = static_cast<std::size_t>(std::stoi(name.substr(1, dot - 1)));
    if (k < 1 || k > loc.razredi.size()) return "no bracket " + std::to_string(k);
    const BracketShare& s = loc.razredi[k - 1];
    const std::string field = name.substr(dot + 1);
    const Money m = field == "osnova" ? s.osnova : field == "porezz" ? s.porezz : s.netto;
    return m.toString();
}

}  // namespace

std::vector<EngineCase> loadEngineCases() {
    std::ifstream in(PRAMO_TEST_DIR "/payments/engine.cases");
    std::vector<EngineCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#') continue;
        cases.push_back(parseCase(line));
    }
    if (cases.empty()) ADD_FAILURE() << "no cases read";
    return cases;
}

EngineRun run(const EngineCase& c) {
    EngineRun r;
    r.lines = c.bruto ? izbruta(c.terms, *c.bruto, c.year, r.loc, r.flags)
                      : calculate(c.terms, c.neto, c.year, r.loc, r.flags);
    return r;
}

std::string valueOf(const EngineRun& r, const std::string& name) {
    if (name == "flags") return flagsText(r.flags);
    if (name[0] >= '0' && name[0] <= '9') return r.lines.at(std::stoi(name)).toString();
    if (name[0] == 'r') return bracketValue(r.loc, name);
    const std::map<std::string, Factor> factors{
        {"I", r.loc.i}, {"ODQ", r.loc.odq}, {"DOHQ", r.loc.dohq}, {"PPP", r.loc.ppp}};
    if (auto f = factors.find(name); f != factors.end()) return f->second.toString();
    if (name == "KSTOPA") return r.loc.kstopa.toString();
    return "unknown value " + name;
}

}  // namespace pramo::test
