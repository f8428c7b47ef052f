#include "joppd/return_file.h"

#include <filesystem>

#include "joppd/return_document.h"
#include "joppd/schema_problem_text.h"
#include "joppd/ujed.h"
#include "payments/item_context.h"
#include "records/store/read_linked.h"
#include "records/values/unicode.h"
#include "xml/xml_file.h"
#include "xml/xml_text.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

ReturnFileOutcome refused(std::string message) {
    ReturnFileOutcome o;
    o.message = std::move(message);
    return o;
}

std::string storeFailed(Store& store, std::string_view file) {
    return "Greška datoteke " + std::string(file) + ": " + store.error().text();
}

// Reads the record `number` names; the message when it is missing or cannot be read.
template <class R>
std::optional<std::string> need(Store& store, std::int64_t number, R& rec, const char* missing) {
    const StoreCode c = readLinked(store, number, rec);
    if (c == StoreCode::NotFound) return std::string(missing);
    if (!ok(c)) return storeFailed(store, R::table.name);
    return std::nullopt;
}

// The records the return is made of, in the order they are checked.
std::optional<std::string> readHeader(Store& store, std::int32_t submission, ReturnData& d) {
    const std::string noSubmission = "JOPPD obrazac " + std::to_string(submission) + " nije upisan.";
    if (auto p = need(store, submission, d.jopo, noSubmission.c_str())) return p;
    if (auto p = need(store, d.jopo.isplata, d.isp, "GREŠKA - ISPLATA")) return p;
    PayerContext payer;
    const TableDef* failed = nullptr;
    if (!ok(readPayer(store, d.isp.isplatitelj, {.place = true, .street = true}, payer, failed))) return storeFailed(store, failed->name);
    if (!payer.sub) return "GREŠKA - ISPLATITELJ";
    if (!payer.mje) return "GREŠKA - MJESTO ISPLATITELJA";
    if (!payer.uli) return "GREŠKA - ULICA ISPLATITELJA";
    d.sub = *payer.sub;
    d.mje = *payer.mje;
    d.uli = *payer.uli;
    return std::nullopt;
}

bool fiveDigits(std::string_view s) {
    return s.size() == 5 && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The author and the identifier; the identifier and the report label also name the file, so
// they must have the form the return requires before a path is made of them.
std::optional<std::string> checkSubmission(const ReturnData& d) {
    const Jopo& j = d.jopo;
    if (j.imeautora.blank() || j.prezimeautora.blank() || j.email.blank()) return "NISU UNESENI SVI PODACI O AUTORU OBRASCA";
    if (j.ujed.blank()) return "NIJE FORMIRAN IDENTIFIKATOR XML OBRASCA (HEKSADECIMALNI BROJ)";
    if (!isUjed(j.ujed.view()))
        return "Identifikator XML obrasca \"" + j.ujed.str() +
               "\" nije ispravan: očekuje se 36 znakova oblika xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx (znamenke i mala slova a do f).";
    if (!fiveDigits(d.isp.rsid.view()))
        return "Oznaka izvješća (RS ID) isplate \"" + d.isp.rsid.str() + "\" nije ispravna: očekuje se pet znamenki.";
    return std::nullopt;
}

// The texts of the payer, its address and the submission that the document carries: one that
// XML cannot carry stops the return naming its record and field.
std::optional<std::string> checkHeaderTexts(const ReturnData& d) {
    const auto number = [](std::int64_t n) { return " (šifra " + std::to_string(n) + ")"; };
    const std::pair<std::string, std::optional<std::string>> sources[] = {
        {"isplatitelj " + visibleUtf8(d.sub.naziv.view()) + number(d.sub.oznaka), xmlFieldFault(d.sub, {"NAZIV", "KUCNIBROJ", "OIB"})},
        {"mjesto isplatitelja" + number(d.mje.oznaka), xmlFieldFault(d.mje, {"NAZIV"})},
        {"ulica isplatitelja" + number(d.uli.oznaka), xmlFieldFault(d.uli, {"NAZIV"})},
        {"JOPPD obrazac" + number(d.jopo.oznaka), xmlFieldFault(d.jopo, {"IMEAUTORA", "PREZIMEAUTORA", "EMAIL"})},
    };
    for (const auto& [record, fault] : sources)
        if (fault) return "Greška - " + record + ", " + *fault + ".\nXML datoteka nije kreirana.";
    return std::nullopt;
}

std::string returnPath(const ReturnData& d, const ReturnPlace& place) {
    const std::string name = "JOP_" + d.isp.rsid.str() + "_" + d.jopo.ujed.str().substr(0, 4) + ".xml";
    if (!place.outDir.empty()) return (fs::absolute(place.outDir) / name).lexically_normal().string();
    const fs::path base = fs::absolute(place.dataDir.empty() ? fs::current_path() : fs::path(place.dataDir));
    std::error_code ec;
    const fs::path dir = fs::is_directory(base / "XML", ec) ? base / "XML" : base;
    return (dir / name).lexically_normal().string();
}

std::optional<std::string> checkPath(const std::string& path) {
    if (path.size() <= decltype(Jopo::datoteka)::capacity) return std::nullopt;
    return "Putanja XML datoteke je duža od " + std::to_string(decltype(Jopo::datoteka)::capacity) +
           " znakova i ne može se upisati u obrazac:\n" + path + "\nXML datoteka nije kreirana.";
}

// Writes the document into its place and then its path into the submission.
ReturnFileOutcome writeAndRecord(Store& store, ReturnData& d, const std::string& path) {
    bool invalid = false;
    const auto describe = [&](const SchemaProblem& p) {
        invalid = true;
        return describeSchemaProblem(p);
    };
    const XmlContent document = [&](XmlWriter& w) -> std::optional<std::string> {
        joppdDocument(w, d);
        return std::nullopt;
    };
    if (auto problem = writeXmlFile(path, document, joppdSchema, describe))
        return refused(invalid ? *problem : "XML datoteka nije kreirana: " + *problem);
    ReturnFileOutcome o;
    o.path = path;
    d.jopo.datoteka = path;
    if (!ok(store.put(d.jopo))) {
        o.message = "XML datoteka " + path + " je kreirana, ali njena putanja nije upisana u JOPPD obrazac: " +
                    store.error().text();
        return o;
    }
    o.created = true;
    o.message = xmlDatotekaKreirana;
    return o;
}

// Everything the return is made of, read from one state of the books in one read transaction.
std::optional<std::string> readReturn(Store& store, std::int32_t submission, ReturnData& d) {
    const ReadTransaction oneState(store);
    if (auto problem = readHeader(store, submission, d)) return problem;
    if (auto problem = checkSubmission(d)) return problem;
    if (auto problem = checkHeaderTexts(d)) return problem;
    return puni(store, d.isp, d.b);
}

}  // namespace

ReturnFileOutcome writeReturnFile(Store& store, const Clock& clock, std::int32_t submission, const ReturnPlace& place) {
    ReturnData d;
    if (auto problem = readReturn(store, submission, d)) return refused(*problem);
    const std::string path = returnPath(d, place);
    if (auto problem = checkPath(path)) return refused(*problem);
    d.today = clock.today();
    d.seconds = clock.secondsSinceMidnight();
    return writeAndRecord(store, d, path);
}

}  // namespace pramo
