#include "joppd/schema_problem_text.h"

#include <algorithm>

namespace pramo {
namespace {

// What a field of the return is, and what it must hold.
struct FieldText {
    std::string_view parent;    // the enclosing element; empty: any
    std::string_view element;
    std::string_view meaning;
    std::string_view expected;  // empty: what the validator says is enough
};

constexpr std::string_view amountRule = "iznos ne manji od 0, s najviše dvije decimale";
constexpr std::string_view nameRule = "od 2 do 128 znakova";

constexpr FieldText fieldTexts[] = {
    {"P", "P2", "šifra općine/grada prebivališta", "pet znamenki: 0 i četveroznamenkasta šifra općine"},
    {"P", "P3", "šifra općine/grada rada", "pet znamenki: 0 i četveroznamenkasta šifra općine"},
    {"P", "P4", "OIB stjecatelja", "11 znamenki"},
    {"P", "P5", "ime i prezime stjecatelja", nameRule},
    {"P", "P61", "oznaka stjecatelja (iz vrste dohotka)", "oznaka iz šifrarnika, npr. 4001, 4002, 0000 ili 1001"},
    {"P", "P62", "oznaka primitka (iz vrste dohotka)", "četveroznamenkasta oznaka iz šifrarnika primitaka"},
    {"P", "P151", "oznaka neoporezivog primitka (iz vrste dohotka)", "0 ili dvoznamenkasta oznaka iz šifrarnika (01 do 73)"},
    {"P", "P161", "način isplate", "broj od 0 do 7"},
    {"PodnositeljIzvjesca", "Naziv", "naziv isplatitelja", nameRule},
    {"PodnositeljIzvjesca", "Email", "e-pošta autora obrasca", "adresa oblika ime@domena.hr"},
    {"PodnositeljIzvjesca", "OIB", "OIB isplatitelja", "11 znamenki"},
    {"PodnositeljIzvjesca", "Oznaka", "oznaka podnositelja (vrsta isplatitelja)", "vrsta isplatitelja P, F, 4 ili 5"},
    {"Adresa", "Mjesto", "mjesto isplatitelja", nameRule},
    {"Adresa", "Ulica", "ulica isplatitelja", nameRule},
    {"Adresa", "Broj", "kućni broj isplatitelja", "najviše 10 znakova"},
    {"IzvjesceSastavio", "Ime", "ime autora obrasca", nameRule},
    {"IzvjesceSastavio", "Prezime", "prezime autora obrasca", nameRule},
    {"Metapodaci", "Identifikator", "identifikator obrasca", "36 znakova, znamenke i mala slova a do f s crticama"},
    {"StranaA", "OznakaIzvjesca", "oznaka izvješća (RS ID isplate)", "pet znamenki"},
    {"StranaA", "DatumIzvjesca", "datum isplate", ""},
};

std::string_view parentOf(const SchemaProblem& p) {
    return p.path.size() >= 2 ? std::string_view(p.path[p.path.size() - 2]) : std::string_view();
}

const FieldText* fieldText(const SchemaProblem& p) {
    for (const FieldText& f : fieldTexts) {
        if (f.element == p.element && (f.parent.empty() || f.parent == parentOf(p))) return &f;
    }
    return nullptr;
}

bool inPath(const SchemaProblem& p, std::string_view name) {
    return std::find(p.path.begin(), p.path.end(), name) != p.path.end();
}

std::string field(const SchemaProblem& p, const char* name) {
    const auto it = p.fields.find(name);
    return it == p.fields.end() ? std::string() : it->second;
}

// "stranica B, redak 3 (Ivan Horvat, OIB 69435151530)"; "stranica A"; "zaglavlje obrasca".
std::string where(const SchemaProblem& p) {
    if (inPath(p, "StranaB") && !field(p, "P1").empty())
        return "stranica B, redak " + field(p, "P1") + " (" + field(p, "P5") + ", OIB " + field(p, "P4") + ")";
    if (inPath(p, "StranaB")) return "stranica B";
    if (inPath(p, "StranaA")) return "stranica A";
    return inPath(p, "Metapodaci") ? "metapodaci obrasca" : "obrazac";
}

std::string what(const SchemaProblem& p) {
    if (p.element.empty()) return p.reason;
    const FieldText* f = fieldText(p);
    const bool amount = f == nullptr && p.element.size() > 1 && p.element[0] == 'P' && !p.value.empty() &&
                        p.value.find_first_not_of("-0123456789.") == std::string::npos;
    std::string text = p.element + (f ? " (" + std::string(f->meaning) + ")" : "") + ": " + p.reason;
    if (f && !f->expected.empty()) text += "; očekuje se " + std::string(f->expected);
    if (amount) text += "; očekuje se " + std::string(amountRule);
    return text;
}

}  // namespace

std::string describeSchemaProblem(const SchemaProblem& p) {
    if (p.schemaUnusable) return "XML datoteka nije kreirana: " + p.reason + ".";
    std::string text = "XML datoteka nije kreirana: obrazac ne odgovara službenoj shemi JOPPD.\n";
    text += where(p) + ", " + what(p) + ".";
    if (!p.detail.empty()) text += "\n(" + p.detail + ")";
    return text;
}

}  // namespace pramo
