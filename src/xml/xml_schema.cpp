#include "xml/xml_schema.h"

#include <libxml/parser.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlreader.h>
#include <libxml/xmlschemas.h>

#include <cstring>
#include <memory>
#include <mutex>

#include "records/store/refdata.h"
#include "xml/schema_reason.h"

namespace pramo {
namespace {

// Schema files are read through their own URI scheme, answered from the files delivered with the
// program (under xsd/): an include or import names its neighbour relative to the including file,
// and nothing is ever fetched from elsewhere.
constexpr std::string_view scheme = "pramo-xsd:///";

refdata::FileText schemaFile(std::string_view name) { return refdata::read("xsd/" + std::string(name)); }

struct DeliveredInput {
    std::string_view text;
    std::size_t at = 0;
};

int matchDelivered(const char* uri) { return uri && std::string_view(uri).starts_with(scheme) ? 1 : 0; }

void* openDelivered(const char* uri) {
    const refdata::FileText file = schemaFile(std::string_view(uri).substr(scheme.size()));
    return file.ok() ? new DeliveredInput{file.text} : nullptr;
}

int readDelivered(void* context, char* buffer, int len) {
    auto* in = static_cast<DeliveredInput*>(context);
    const std::size_t n = std::min(static_cast<std::size_t>(len), in->text.size() - in->at);
    std::memcpy(buffer, in->text.data() + in->at, n);
    in->at += n;
    return static_cast<int>(n);
}

int closeDelivered(void* context) {
    delete static_cast<DeliveredInput*>(context);
    return 0;
}

// The type of the error argument of libxml2's structured error handler (it became const later).
template <class> struct SecondArgument;
template <class R, class A, class B> struct SecondArgument<R (*)(A, B)> { using type = B; };
using ErrorArg = SecondArgument<xmlStructuredErrorFunc>::type;

struct Collected {
    std::optional<SchemaProblem> first;
};

std::string nameOf(const xmlNode* n) { return n && n->name ? reinterpret_cast<const char*>(n->name) : ""; }

bool hasElementChildren(const xmlNode* n) {
    for (const xmlNode* c = n->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE) return true;
    return false;
}

std::string textOf(const xmlNode* n) {
    xmlChar* content = xmlNodeGetContent(n);
    std::string s = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return s;
}

void describeNode(const xmlNode* node, SchemaProblem& p) {
    if (!node || node->type != XML_ELEMENT_NODE) return;
    p.element = nameOf(node);
    for (const xmlNode* n = node; n && n->type == XML_ELEMENT_NODE; n = n->parent) p.path.insert(p.path.begin(), nameOf(n));
    const bool record = hasElementChildren(node);
    if (!record) p.value = textOf(node);
    const xmlNode* owner = record ? node : node->parent;
    for (const xmlNode* c = owner ? owner->children : nullptr; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE && !hasElementChildren(c)) p.fields.emplace(nameOf(c), textOf(c));
}

// "Element '{urn:x}P4': ..." -> "Element 'P4': ..." (braces without a URI, "\d{11}", stay)
std::string withoutNamespaces(const std::string& text) {
    std::string out;
    std::size_t from = 0;
    for (;;) {
        const auto open = text.find('{', from);
        const auto close = open == std::string::npos ? open : text.find('}', open);
        if (close == std::string::npos) break;
        const bool uri = text.find(':', open) < close;
        out += text.substr(from, open - from) + (uri ? std::string() : text.substr(open, close - open + 1));
        from = close + 1;
    }
    return out + text.substr(from);
}

void collect(void* context, ErrorArg error) {
    auto* c = static_cast<Collected*>(context);
    if (c->first || !error || error->level < XML_ERR_ERROR) return;
    SchemaProblem p;
    p.detail = withoutNamespaces(error->message ? error->message : "");
    while (!p.detail.empty() && (p.detail.back() == '\n' || p.detail.back() == ' ')) p.detail.pop_back();
    p.line = error->line;
    describeNode(static_cast<const xmlNode*>(error->node), p);
    p.reason = plainReason(p.detail, p.value);
    c->first = std::move(p);
}

void setUp() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlRegisterInputCallbacks(matchDelivered, openDelivered, readDelivered, closeDelivered);
    });
}

struct Compiled {
    xmlSchemaPtr schema = nullptr;
    std::string problem;
};

Compiled compile(std::string_view name) {
    Compiled out;
    if (const refdata::FileText file = schemaFile(name); !file.ok()) {
        out.problem = "shema " + std::string(name) + " se ne može pročitati: " + file.problem;
        return out;
    }
    const std::string uri = std::string(scheme) + std::string(name);
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(uri.c_str());
    Collected errors;
    xmlSchemaSetParserStructuredErrors(parser, collect, &errors);
    out.schema = parser ? xmlSchemaParse(parser) : nullptr;
    if (parser) xmlSchemaFreeParserCtxt(parser);
    if (!out.schema) out.problem = "shema " + std::string(name) + " se ne može učitati" +
                                   (errors.first ? ": " + errors.first->detail : std::string());
    return out;
}

// Each schema set is compiled on its first use and kept for the run.
const Compiled& compiled(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, Compiled, std::less<>> cache;
    const std::lock_guard lock(mutex);
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.emplace(std::string(name), compile(name)).first;
    return it->second;
}

SchemaProblem problemOf(std::string reason) {
    SchemaProblem p;
    p.reason = std::move(reason);
    return p;
}

SchemaProblem unusable(const Compiled& c) {
    SchemaProblem p = problemOf(c.problem);
    p.schemaUnusable = true;
    return p;
}

using DocPtr = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

std::optional<SchemaProblem> validateDoc(xmlDocPtr doc, xmlParserCtxtPtr parser, std::string_view schema) {
    const DocPtr owned(doc, xmlFreeDoc);
    if (!doc) {
        const xmlError* e = xmlCtxtGetLastError(parser);
        SchemaProblem p = problemOf("datoteka nije ispravan XML");
        if (e && e->message) p.detail = e->message;
        if (e) p.line = e->line;
        return p;
    }
    if (schema.empty()) return std::nullopt;
    const Compiled& c = compiled(schema);
    if (!c.schema) return unusable(c);
    xmlSchemaValidCtxtPtr validator = xmlSchemaNewValidCtxt(c.schema);
    if (!validator) return problemOf("provjera prema shemi nije pokrenuta (nema dovoljno memorije)");
    Collected errors;
    xmlSchemaSetValidStructuredErrors(validator, collect, &errors);
    const int result = xmlSchemaValidateDoc(validator, doc);
    xmlSchemaFreeValidCtxt(validator);
    if (result == 0) return std::nullopt;
    return errors.first ? errors.first : problemOf("dokument ne odgovara shemi " + std::string(schema));
}

constexpr int parseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

using ParserPtr = std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)>;
using ReaderPtr = std::unique_ptr<xmlTextReader, decltype(&xmlFreeTextReader)>;

void ignore(void*, ErrorArg) {}

// Reads the file through once, keeping no more of it than the element being read: whether it is
// well-formed and, with `schema`, valid.
bool passesStreaming(const std::string& path, xmlSchemaPtr schema) {
    const ReaderPtr reader(xmlReaderForFile(path.c_str(), nullptr, parseOptions), xmlFreeTextReader);
    if (!reader) return false;
    xmlTextReaderSetStructuredErrorHandler(reader.get(), ignore, nullptr);  // before the schema: it relays to it
    if (schema && xmlTextReaderSetSchema(reader.get(), schema) != 0) return false;
    int step = 1;
    while (step == 1) step = xmlTextReaderRead(reader.get());
    return step == 0 && (!schema || xmlTextReaderIsValid(reader.get()) == 1);
}

// The file read whole into a tree and validated there, where the node at fault has its record
// around it to describe the problem.
std::optional<SchemaProblem> validateTree(const std::string& path, std::string_view schema) {
    const ParserPtr parser(xmlNewParserCtxt(), xmlFreeParserCtxt);
    if (!parser) return problemOf("provjera prema shemi nije pokrenuta (nema dovoljno memorije)");
    return validateDoc(xmlCtxtReadFile(parser.get(), path.c_str(), nullptr, parseOptions), parser.get(), schema);
}

}  // namespace

std::optional<SchemaProblem> validateXmlFile(const std::string& path, std::string_view schema) {
    setUp();
    const Compiled* c = schema.empty() ? nullptr : &compiled(schema);
    if (c && !c->schema) return unusable(*c);  // said without reading the file, however large it is
    if (passesStreaming(path, c ? c->schema : nullptr)) return std::nullopt;
    // Only a refused file is read whole: its first problem in the words of its record.
    if (auto problem = validateTree(path, schema)) return problem;
    return problemOf(c ? "dokument ne odgovara shemi " + std::string(schema) : std::string("datoteka nije ispravan XML"));
}

std::optional<SchemaProblem> validateXml(std::string_view document, std::string_view schema) {
    setUp();
    const ParserPtr parser(xmlNewParserCtxt(), xmlFreeParserCtxt);
    if (!parser) return problemOf("provjera prema shemi nije pokrenuta (nema dovoljno memorije)");
    xmlDocPtr doc = xmlCtxtReadMemory(parser.get(), document.data(), static_cast<int>(document.size()), nullptr,
                                      nullptr, parseOptions);
    return validateDoc(doc, parser.get(), schema);
}

}  // namespace pramo
