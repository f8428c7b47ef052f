#include "joppd/return_document.h"

#include <cstdio>

#include "xml/authority_text.h"
#include "records/values/number_format.h"

namespace pramo {
namespace {

constexpr const char* joppdNamespace = "http://e-porezna.porezna-uprava.hr/sheme/zahtjevi/ObrazacJOPPD/v1-1";
constexpr const char* metaNamespace = "http://e-porezna.porezna-uprava.hr/sheme/Metapodaci/v2-0";
constexpr const char* zero = "0.00";

std::string amount(const Amount& a) { return xmlAmount(a); }

template <Iznos I>
std::string iznos(const ReturnRow& r) { return amount(r[I]); }

std::string timestamp(Date today, std::int32_t seconds) {
    char time[16];
    std::snprintf(time, sizeof time, "T%02d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return today.isoString() + time;
}

// SUB:TIP as the return's submitter code; blank for a type the return has no code for.
std::string oznakaPodnositelja(std::string_view tip) {
    if (tip == "P") return "1";
    if (tip == "F") return "2";
    if (tip == "4" || tip == "5") return std::string(tip);
    return {};
}

void metapodaci(XmlWriter& w, const ReturnData& d) {
    const auto dc = [&](const char* name, const char* term, const std::string& text) {
        w.leaf(name, text, {{"dc", std::string("http://purl.org/dc/") + term}});
    };
    w.begin("Metapodaci", {{"xmlns", metaNamespace}});
    dc("Naslov", "elements/1.1/title", "Izvješće o primicima, porezu na dohodak i prirezu te doprinosima za obvezna osiguranja");
    dc("Autor", "elements/1.1/creator", prijenos(d.jopo.imeautora.str() + " " + d.jopo.prezimeautora.str()));
    dc("Datum", "elements/1.1/date", timestamp(d.today, d.seconds));
    dc("Format", "elements/1.1/format", "text/xml");
    dc("Jezik", "elements/1.1/language", "hr-HR");
    dc("Identifikator", "elements/1.1/identifier", d.jopo.ujed.str());
    dc("Uskladjenost", "terms/conformsTo", "ObrazacJOPPD-v1-1");
    dc("Tip", "elements/1.1/type", "Elektronički obrazac");
    w.leaf("Adresant", "Ministarstvo Financija, Porezna uprava, Zagreb");
    w.end();
}

void podnositelj(XmlWriter& w, const ReturnData& d) {
    w.begin("PodnositeljIzvjesca");
    w.leaf("Naziv", prijenos(d.sub.naziv.view()));
    w.begin("Adresa");
    w.leaf("Mjesto", prijenos(d.mje.naziv.view()));
    w.leaf("Ulica", prijenos(d.uli.naziv.view()));
    w.leaf("Broj", d.sub.kucnibroj.str());
    w.end();
    w.leaf("Email", d.jopo.email.str());
    w.leaf("OIB", d.sub.oib.str());
    w.leaf("Oznaka", oznakaPodnositelja(d.sub.tip.view()));
    w.end();
}

// An element of `count` amounts P1, P2, ... where the one numbered `at` carries `value`.
void amounts(XmlWriter& w, const char* name, int count, int at, const Amount& value) {
    w.begin(name);
    for (int i = 1; i <= count; ++i) w.leaf("P" + std::to_string(i), i == at ? amount(value) : zero);
    w.end();
}

void predujamPoreza(XmlWriter& w, const ReturnTotals& t) {
    w.begin("PredujamPoreza");
    for (const char* p : {"P1", "P11", "P12"}) w.leaf(p, zero);
    w.leaf("P2", amount(t.porezKapital));
    w.leaf("P3", zero);
    w.leaf("P4", zero);
    w.leaf("P5", amount(t.porez));
    w.leaf("P6", zero);
    w.end();
}

void doprinosi(XmlWriter& w, const ReturnTotals& t) {
    w.begin("Doprinosi");
    amounts(w, "GeneracijskaSolidarnost", 7, 2, t.mirovinskoI);
    amounts(w, "KapitaliziranaStednja", 6, 2, t.mirovinskoII);
    amounts(w, "ZdravstvenoOsiguranje", 12, 5, t.zdravstveno);
    amounts(w, "Zaposljavanje", 4, 0, {});
    w.end();
}

void stranaA(XmlWriter& w, const ReturnData& d) {
    w.begin("StranaA");
    w.leaf("DatumIzvjesca", d.isp.datum.isoString());
    w.leaf("OznakaIzvjesca", d.isp.rsid.str());
    w.leaf("VrstaIzvjesca", "1");
    podnositelj(w, d);
    w.leaf("BrojOsoba", std::to_string(d.b.brojOsoba));
    w.leaf("BrojRedaka", std::to_string(d.b.rows.size()));
    predujamPoreza(w, d.b.totals);
    doprinosi(w, d.b.totals);
    w.leaf("IsplaceniNeoporeziviPrimici", amount(d.b.totals.neoporezivo));
    w.leaf("KamataMO2", zero);
    w.leaf("UkupniNeoporeziviPrimici", zero);
    w.begin("NaknadaZaposljavanjeInvalida");
    w.leaf("P1", "0");
    w.leaf("P2", zero);
    w.end();
    w.begin("IzvjesceSastavio");
    w.leaf("Ime", prijenos(d.jopo.imeautora.view()));
    w.leaf("Prezime", prijenos(d.jopo.prezimeautora.view()));
    w.end();
    w.end();
}

void stranaB(XmlWriter& w, const PageB& b) {
    w.begin("StranaB");
    w.begin("Primatelji");
    for (const ReturnRow& row : b.rows) {
        w.begin("P");
        for (const PageBElement& e : pageBElements()) w.leaf(e.name, e.text(row));
        w.end();
    }
    w.end();
    w.end();
}

}  // namespace

const std::vector<PageBElement>& pageBElements() {
    using R = const ReturnRow&;
    static const std::vector<PageBElement> elements{
        {"P1", [](R r) { return std::to_string(r.rbr); }},  {"P2", [](R r) { return r.p2; }},
        {"P3", [](R r) { return r.p3; }},                   {"P4", [](R r) { return r.p4; }},
        {"P5", [](R r) { return r.p5; }},                   {"P61", [](R r) { return r.p61; }},
        {"P62", [](R r) { return r.p62; }},                 {"P71", [](R) { return std::string("0"); }},
        {"P72", [](R) { return std::string("0"); }},        {"P8", [](R) { return std::string("0"); }},
        {"P9", [](R) { return std::string("0"); }},         {"P10", [](R) { return std::string("0"); }},
        {"P100", [](R) { return std::string("0"); }},       {"P101", [](R r) { return r.p101.isoString(); }},
        {"P102", [](R r) { return r.p102.isoString(); }},   {"P11", iznos<Iznos::P11>},
        {"P12", iznos<Iznos::P12>},                         {"P121", iznos<Iznos::P121>},
        {"P122", iznos<Iznos::P122>},                       {"P123", iznos<Iznos::P123>},
        {"P124", iznos<Iznos::P124>},                       {"P125", iznos<Iznos::P125>},
        {"P126", iznos<Iznos::P126>},                       {"P127", iznos<Iznos::P127>},
        {"P128", iznos<Iznos::P128>},                       {"P129", iznos<Iznos::P129>},
        {"P131", iznos<Iznos::P131>},                       {"P132", iznos<Iznos::P132>},
        {"P133", iznos<Iznos::P133>},                       {"P134", iznos<Iznos::P134>},
        {"P135", iznos<Iznos::P135>},                       {"P141", iznos<Iznos::P141>},
        {"P142", iznos<Iznos::P142>},                       {"P151", [](R r) { return r.p151; }},
        {"P152", iznos<Iznos::P152>},                       {"P161", [](R r) { return std::to_string(r.p161); }},
        {"P162", iznos<Iznos::P162>},                       {"P17", iznos<Iznos::P17>},
    };
    return elements;
}

void joppdDocument(XmlWriter& w, const ReturnData& d) {
    w.begin("ObrazacJOPPD", {{"verzijaSheme", "1.1"}, {"xmlns", joppdNamespace}});
    metapodaci(w, d);
    stranaA(w, d);
    stranaB(w, d.b);
    w.end();
}

}  // namespace pramo
