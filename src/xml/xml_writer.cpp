#include "xml/xml_writer.h"

#include <libxml/xmlwriter.h>

#include "xml/xml_text.h"

namespace pramo {
namespace {

const xmlChar* x(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

}  // namespace

XmlWriter::XmlWriter() : buffer_(xmlBufferCreate()) {
    if (buffer_) xmlBufferSetAllocationScheme(buffer_, XML_BUFFER_ALLOC_DOUBLEIT);  // linear in the document's size
    writer_ = buffer_ ? xmlNewTextWriterMemory(buffer_, 0) : nullptr;
    open();
}

XmlWriter::XmlWriter(std::FILE* file) : file_(file) {
    xmlOutputBufferPtr out = file ? xmlOutputBufferCreateFile(file, nullptr) : nullptr;
    writer_ = out ? xmlNewTextWriter(out) : nullptr;  // the writer owns `out`; closing it leaves the file open
    if (out && !writer_) xmlOutputBufferClose(out);
    open();
}

void XmlWriter::open() {
    if (!writer_) {
        problem_ = "XML zapis nije započet (nema dovoljno memorije)";
        return;
    }
    check(xmlTextWriterSetIndent(writer_, 1), {});
    check(xmlTextWriterSetIndentString(writer_, reinterpret_cast<const xmlChar*>("  ")), {});
    check(xmlTextWriterStartDocument(writer_, "1.0", "UTF-8", nullptr), {});
}

XmlWriter::~XmlWriter() {
    if (writer_) xmlFreeTextWriter(writer_);
    if (buffer_) xmlBufferFree(buffer_);
}

void XmlWriter::begin(std::string_view name, std::initializer_list<XmlAttribute> attributes) {
    start(name, attributes);
}

void XmlWriter::leaf(std::string_view name, std::string_view text, std::initializer_list<XmlAttribute> attributes) {
    start(name, attributes);
    if (failed() || !acceptable(name, text)) return;
    check(xmlTextWriterWriteString(writer_, x(std::string(text))), name);
    end();
}

void XmlWriter::end() {
    if (!failed()) check(xmlTextWriterEndElement(writer_), {});
}

std::optional<std::string> XmlWriter::finish() {
    if (!failed()) check(xmlTextWriterEndDocument(writer_), {});
    if (!failed()) check(xmlTextWriterFlush(writer_), {});
    if (!failed() && file_) check(std::fflush(file_) == 0 ? 0 : -1, {});
    if (failed()) return std::nullopt;
    if (file_) return std::string();
    const auto* content = reinterpret_cast<const char*>(xmlBufferContent(buffer_));
    return std::string(content, static_cast<std::size_t>(xmlBufferLength(buffer_)));
}

void XmlWriter::start(std::string_view name, std::initializer_list<XmlAttribute> attributes) {
    if (failed()) return;
    check(xmlTextWriterStartElement(writer_, x(std::string(name))), name);
    for (const XmlAttribute& a : attributes) {
        if (failed() || !acceptable(name, a.value)) return;
        check(xmlTextWriterWriteAttribute(writer_, x(std::string(a.name)), x(std::string(a.value))), name);
    }
}

bool XmlWriter::acceptable(std::string_view element, std::string_view value) {
    const std::optional<std::string> fault = xmlTextFault(value);
    if (!fault) return true;
    problem_ = "vrijednost elementa " + std::string(element) + " ne može se zapisati u XML: " + *fault;
    return false;
}

void XmlWriter::check(int result, std::string_view element) {
    if (result >= 0 || failed()) return;
    if (file_ && std::ferror(file_)) {
        writeFailed_ = true;
        problem_ = "XML zapis nije uspio (datoteka se ne može pisati)";
        return;
    }
    problem_ = "XML zapis nije uspio" + (element.empty() ? std::string() : " kod elementa " + std::string(element)) +
               " (nema dovoljno memorije)";
}

}  // namespace pramo
