#include "reports/id1/id1_xml.h"

#include <charconv>
#include <filesystem>

#include "xml/authority_text.h"
#include "records/layouts/subjekti.h"
#include "records/store/atomic_file.h"
#include "records/store/read_linked.h"
#include "records/store/store_code.h"
#include "records/values/unicode.h"
#include "registers/check_digits.h"
#include "reports/id1/id1_sums.h"
#include "documents/report_run.h"
#include "xml/xml_file.h"
#include "xml/xml_text.h"
#include "xml/xml_writer.h"

namespace pramo {
namespace {

// Amounts as the return writes them: a decimal point, no grouping, no trailing zeros ("1234.5").
std::string amount(const Total& t) { return formatNumber(t, {NumberUse::Xml, false, true}); }

void contact(XmlWriter& w, const Id1& h) {
    w.begin("KontaktOsoba");
    w.leaf("Ime", prijenos(h.konime.view()));
    w.leaf("Prezime", prijenos(h.konprezime.view()));
    w.begin("Telefoni");
    w.leaf("Telefon", id1Telefon(h.konpoz1, h.kontel1.view()));
    if (!h.kontel2.blank()) w.leaf("Telefon", id1Telefon(h.konpoz2, h.kontel2.view()));
    w.end();
    w.leaf("Email", h.konemail.view());
    w.end();
}

// The amounts of one payee or of the whole file, from <Primitak> to <IsplaceniPrimitak>.
void sums(XmlWriter& w, const Id1Sums& s, const Total& porez) {
    w.leaf("Primitak", amount(s.bruto));
    w.leaf("Izdatak", amount(s.izdaci));
    w.leaf("IzdatakDoprinosa", amount(s.doprinosi));
    w.begin("PorezPrirez");
    w.begin("Racuni");
    for (std::size_t i = 0; i < s.iznos.size(); ++i) {
        if (s.iznos[i].raw() <= 0) continue;
        w.begin("Racun", {{"brojRacuna", id1Accounts[i]}});
        w.leaf("Iznos", amount(s.iznos[i]));
        w.end();
    }
    w.end();
    w.leaf("Ukupno", amount(porez));
    w.end();
    w.leaf("IsplaceniPrimitak", amount(s.neto));
}

void obveznik(XmlWriter& w, const Id1Payee& p, const Id1Sums& s) {
    const std::string oznaka(p.opc ? utf8::prefix(p.opc->shifra.view(), 3) : std::string_view{});
    w.begin("Obveznik", {{"oib", p.oso.oib.view()}, {"oznGrOp", oznaka}});
    w.leaf("Ime", prijenos(p.oso.ime.view()));
    w.leaf("Prezime", prijenos(p.oso.prezime.view()));
    sums(w, s, s.porez);
    w.end();
}

void tell(std::vector<MessageBox>& notes, std::string text) {
    notes.push_back(MessageBox{.title = "ID-1 obrazac", .text = std::move(text), .icon = Icon::Exclamation});
}

// Writes the payees from whom tax was withheld; answers the whole file's totals.
Id1Sums obveznici(XmlWriter& w, std::vector<MessageBox>& notes, const std::vector<Id1Payee>& payees) {
    Id1Sums file;
    w.begin("Obveznici");
    for (const Id1Payee& p : payees) {
        std::vector<const Id1Item*> untaxed;
        const Id1Sums s = returnSums(p, untaxed);
        for (const Id1Item* item : untaxed)
            tell(notes, "NIJE UNESENA SHIFRA POREZA U VRSTI DOHOTKA " + (item->vrs ? item->vrs->naziv.str() : std::string()));
        if (!s.taxed()) continue;
        if (p.oso.oib.blank()) tell(notes, p.oso.prezime.str() + " " + p.oso.ime.str() + " NEMA UNESEN OIB");
        obveznik(w, p, s);
        addToFileTotals(file, s);
    }
    w.end();
    return file;
}

std::string numbered(std::string_view what, std::int64_t number) {
    return std::string(what) + " (šifra " + std::to_string(number) + ")";
}

// Why a payee written into the return cannot be: an OIB given but wrong, or a text XML cannot
// carry. (A payee without OIB is written with a blank one, after a message.)
std::optional<std::string> payeeFault(const Id1Payee& p) {
    const std::string who = "primatelj " + numbered(visibleUtf8(p.oso.prezime.str() + " " + p.oso.ime.str()), p.oso.oznaka);
    if (!p.oso.oib.blank() && !validOib(p.oso.oib.view()))
        return who + ": OIB " + visibleUtf8(p.oso.oib.view()) + " nije ispravan (nije 11 znamenki s ispravnom kontrolnom znamenkom)";
    auto fault = xmlFieldFault(p.oso, {"IME", "PREZIME"});
    if (!fault && p.opc) fault = xmlFieldFault(*p.opc, {"SHIFRA"});
    if (fault) return who + ", " + *fault;
    return std::nullopt;
}

// Everything the return carries that it cannot carry as it is, checked before anything is
// written: the header's texts, the payer's OIB (which also names the file) and the payees written.
std::optional<std::string> returnFault(const Id1& h, const Subjekti& sub, const std::vector<Id1Payee>& payees) {
    if (auto fault = xmlFieldFault(h, {"STORNO", "GODINA", "KONIME", "KONPREZIME", "KONTEL1", "KONTEL2", "KONEMAIL"}))
        return numbered("ID-1 obrazac", h.oznaka) + ", " + *fault;
    if (!validOib(sub.oib.view()))
        return "isplatitelj " + numbered(visibleUtf8(sub.naziv.view()), sub.oznaka) + ": OIB \"" + visibleUtf8(sub.oib.view()) +
               "\" nije ispravan (nije 11 znamenki s ispravnom kontrolnom znamenkom)";
    std::vector<const Id1Item*> untaxed;
    for (const Id1Payee& p : payees) {
        if (!returnSums(p, untaxed).taxed()) continue;
        if (auto fault = payeeFault(p)) return fault;
    }
    return std::nullopt;
}

int yearOf(const Id1& h) {
    int year = 0;
    const std::string_view g = h.godina.view();
    std::from_chars(g.data(), g.data() + g.size(), year);
    return year;
}

Id1XmlOutcome refused(std::string problem, std::string poruka) { return {{}, std::move(problem), std::move(poruka)}; }

// The header and its payer; why not when either cannot be used.
std::optional<Id1XmlOutcome> readHeader(Store& store, std::int32_t number, Id1& h, Subjekti& sub) {
    const std::string n = std::to_string(number);
    StoreCode c = readLinked(store, number, h);
    if (c == StoreCode::NotFound) return refused("ID-1 form " + n + " does not exist", "ID-1 obrazac " + n + " ne postoji");
    if (ok(c) && (h.godina.length() != 4 || yearOf(h) < 1900))
        return refused("ID-1 form " + n + " has no valid year", "ID-1 obrazac " + n + " nema ispravnu godinu");
    if (ok(c)) c = readLinked(store, h.isplatitelj, sub);
    if (c == StoreCode::NotFound)
        return refused("the payer of ID-1 form " + n + " does not exist", "isplatitelj ID-1 obrasca " + n + " ne postoji");
    if (!ok(c)) return refused("cannot read ID-1 form " + n + ": " + store.error().text(), store.error().text());
    return std::nullopt;
}

// Writes the document made of the payer's return into `dir`; refused without one.
Id1XmlOutcome writeDocument(const std::optional<std::string>& document, const Subjekti& sub, const std::string& dir,
                            const std::string& problem) {
    if (!document) return refused(problem, problem);
    const std::string path = (std::filesystem::path(dir) / id1FileName(sub.oib.view())).string();
    std::optional<std::string> notXml;
    const auto describe = [](const SchemaProblem& p) { return "XML datoteka nije ispravna: " + p.reason + " (" + p.detail + ")"; };
    if (const WriteOutcome failed = writeXmlFile(path, *document, {}, describe, notXml))
        return refused(failed->text(), failed->croatian());
    if (notXml) return refused(*notXml, *notXml);
    return {path, {}, {}};
}

}  // namespace

std::string id1FileName(std::string_view payerOib) { return "ID-1_" + std::string(utf8::trimRight(payerOib)) + "_01.xml"; }

std::optional<std::string> id1Document(Store& store, const Id1& header, const Subjekti& payer, std::string& problem,
                                       std::vector<MessageBox>& notes) {
    std::vector<Id1Payee> payees;
    std::string refusal;
    if (!ok(readId1Payees(store, header.isplatitelj, yearOf(header), payees, refusal))) {
        problem = refusal.empty() ? "cannot read the payments of the year: " + store.error().text() : "Greška - " + refusal;
        return std::nullopt;
    }
    if (auto fault = returnFault(header, payer, payees)) {
        problem = "Greška - " + *fault + ".";
        return std::nullopt;
    }
    XmlWriter w;
    w.begin("Id1", {{"storno", header.storno.view()}, {"xmlns", id1Namespace},
                    {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"}});
    w.leaf("Identifikator", "1");
    w.leaf("IsplataUGodini", header.godina.view());
    w.begin("Isplatitelj", {{"oib", payer.oib.view()}});
    contact(w, header);
    w.end();
    const Id1Sums file = obveznici(w, notes, payees);
    if (file.overflowed()) {
        problem = "Greška - " + std::string(sumTooLarge);
        return std::nullopt;
    }
    w.begin("Ukupno");
    sums(w, file, file.porez);
    w.end();
    std::optional<std::string> document = w.finish();
    if (!document) problem = w.problem();
    return document;
}

std::vector<const TableDef*> id1XmlFiles() {
    std::vector<const TableDef*> tables = id1DataFiles();
    tables.push_back(&Id1::table);
    return tables;
}

Id1XmlOutcome writeId1Xml(Files& files, std::int32_t header, const std::string& dir) {
    FileUse use(files, id1XmlFiles());
    const std::string failedName = use.ok() ? std::string() : std::string(use.failed()->name);
    if (!use.ok()) return refused("cannot open the file " + failedName, "datoteka " + failedName + " se ne može otvoriti");
    Id1 h;
    Subjekti sub;
    if (auto problem = readHeader(files.store(), header, h, sub)) return *problem;
    std::string problem;
    std::vector<MessageBox> notes;
    const std::optional<std::string> document = id1Document(files.store(), h, sub, problem, notes);
    Id1XmlOutcome out = writeDocument(document, sub, dir, problem);
    out.notes = std::move(notes);
    return out;
}

}  // namespace pramo
