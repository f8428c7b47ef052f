#include "support/joppd_office.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <mutex>
#include <sstream>

#include "joppd/submission.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"

namespace pramo::test {
namespace {

// The official schema straight from the repository's data folder, compiled once.
xmlSchemaPtr officialSchema() {
    static xmlSchemaPtr schema = [] {
        const std::string root = std::string(PRAMO_SOURCE_DIR) + "/data/xsd/joppd/ObrazacJOPPD-v1-1.xsd";
        xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(root.c_str());
        xmlSchemaPtr s = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
        return s;
    }();
    return schema;
}

void collect(void* out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    char buffer[1024];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    *static_cast<std::string*>(out) += buffer;
}

std::string textOf(xmlNodePtr n) {
    xmlChar* c = xmlNodeGetContent(n);
    std::string s = c ? reinterpret_cast<char*>(c) : "";
    xmlFree(c);
    return s;
}

std::string nameOf(xmlNodePtr n) { return reinterpret_cast<const char*>(n->name); }

xmlNodePtr child(xmlNodePtr n, const std::string& name) {
    for (xmlNodePtr c = n ? n->children : nullptr; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE && nameOf(c) == name) return c;
    return nullptr;
}

std::vector<xmlNodePtr> elements(xmlNodePtr n) {
    std::vector<xmlNodePtr> out;
    for (xmlNodePtr c = n ? n->children : nullptr; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE) out.push_back(c);
    return out;
}

Vrstedoh freeType(std::uint8_t oznaka, const char* naziv, const char* code) {
    return {.oznaka = oznaka, .naziv = naziv, .neoporezividio = rate("100"), .visestopa = "NE", .rezstringa = "00",
            .rezstringb = "0000", .rezdecimala = dec<Dec<9, 2>>(code)};
}

Vrstedoh taxOnly(std::uint8_t oznaka, const char* naziv, const char* tax, const char* category, const char* receipt) {
    return {.oznaka = oznaka, .naziv = naziv, .poreznastopa = rate(tax), .rnporez = "1406", .tipporez = "I",
            .visestopa = "NE", .rezstringa = category, .rezstringb = receipt};
}

}  // namespace

ReturnXml::ReturnXml(const std::string& path) {
    doc_ = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
    if (!doc_) {
        errors_ = "not well-formed XML: " + path;
        return;
    }
    xmlSchemaValidCtxtPtr v = xmlSchemaNewValidCtxt(officialSchema());
    xmlSchemaSetValidErrors(v, collect, collect, &errors_);
    valid_ = xmlSchemaValidateDoc(v, doc_) == 0;
    xmlSchemaFreeValidCtxt(v);
}

ReturnXml::~ReturnXml() {
    if (doc_) xmlFreeDoc(doc_);
}

std::optional<std::string> ReturnXml::text(const std::string& path) const {
    xmlNodePtr n = doc_ ? xmlDocGetRootElement(doc_) : nullptr;
    std::stringstream parts(path);
    for (std::string part; n && std::getline(parts, part, '/');) n = child(n, part);
    if (!n) return std::nullopt;
    return textOf(n);
}

std::vector<std::map<std::string, std::string>> ReturnXml::rows() const {
    std::vector<std::map<std::string, std::string>> out;
    xmlNodePtr primatelji = doc_ ? child(child(xmlDocGetRootElement(doc_), "StranaB"), "Primatelji") : nullptr;
    for (xmlNodePtr p : elements(primatelji)) {
        auto& row = out.emplace_back();
        for (xmlNodePtr e : elements(p)) row[nameOf(e)] = textOf(e);
    }
    return out;
}

std::vector<std::string> ReturnXml::rowElementNames(std::size_t row) const {
    xmlNodePtr primatelji = doc_ ? child(child(xmlDocGetRootElement(doc_), "StranaB"), "Primatelji") : nullptr;
    const auto rowsFound = elements(primatelji);
    std::vector<std::string> names;
    if (row < rowsFound.size())
        for (xmlNodePtr e : elements(rowsFound[row])) names.push_back(nameOf(e));
    return names;
}

::testing::AssertionResult validJoppd(const std::string& path) {
    const ReturnXml x(path);
    if (x.valid()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << path << " is not a valid JOPPD return: " << x.validationErrors();
}

JoppdOffice::JoppdOffice() : JoppdOffice(std::make_unique<TestData>()) {}

JoppdOffice::JoppdOffice(Engine engine) : JoppdOffice(std::make_unique<TestData>(engine)) {}

JoppdOffice::JoppdOffice(std::unique_ptr<TestData> own)
    : own_(std::move(own)), dir_(own_->dir.path()), files(own_->files), office(files) {
    addTypes();
}

JoppdOffice::JoppdOffice(Files& f, std::filesystem::path dir) : dir_(std::move(dir)), files(f), office(files) {
    addTypes();
}

void JoppdOffice::addTypes() {
    office.standardRegisters();
    office.add(taxOnly(4, "Kamate", "12", "11", "1004"));
    office.add(taxOnly(5, "Stipendija", "25", "01", "4003"));
    office.add(freeType(6, "Dnevnice", "17"));
    office.add(freeType(7, "Putni troškovi", "1"));
}

Isplate JoppdOffice::payment(std::int32_t oznaka, Date datum) {
    char rsid[8];
    std::snprintf(rsid, sizeof rsid, "%02d%03d", datum.year() % 100, datum.dayOfYear());
    return office.add(Isplate{.oznaka = oznaka, .isplatitelj = 1, .rsid = rsid, .datum = datum,
                              .godina = std::to_string(datum.year())});
}

Dohoci JoppdOffice::item(std::int32_t isplata, std::int32_t payee, std::uint8_t type, const char* neto, std::int16_t method) {
    const auto ordinal = ++ordinals[isplata];
    return office.item({.oznaka = nextItem++, .rednibroj = ordinal, .isplata = isplata, .djelatnik = payee,
                        .vrstadohotka = type, .neto = money(neto)},
                       method);
}

Jopo JoppdOffice::submission(std::int32_t isplata) {
    const auto o = createSubmission(store(), isplata, random, {.ime = "Marko", .prezime = "Marić", .email = "marko@pramo.hr"});
    EXPECT_EQ(o.status, SubmissionStatus::Created) << o.message;
    return o.jopo;
}

Jopo JoppdOffice::reread(const Jopo& jopo) {
    Jopo j;
    EXPECT_EQ(readLinked(store(), jopo.oznaka, j), StoreCode::Ok);
    return j;
}

}  // namespace pramo::test
