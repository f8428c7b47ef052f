// The XML writer: what goes in comes back out of a parser unchanged, whatever markup characters
// it holds; text XML cannot carry fails the document naming the element; a document the schema
// refuses never replaces the file.

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"
#include "xml/schema_reason.h"
#include "xml/xml_file.h"
#include "xml/xml_text.h"
#include "xml/xml_writer.h"

namespace pramo {
namespace {

constexpr std::string_view joppdSchemaForTest = "joppd/ObrazacJOPPD-v1-1.xsd";

std::string document(std::string_view text) {
    XmlWriter w;
    w.begin("R", {{"xmlns", "urn:x"}});
    w.leaf("E", text, {{"a", text}});
    w.end();
    return w.finish().value_or("");
}

// The text and the attribute of E as a parser reads them back.
std::pair<std::string, std::string> readBack(const std::string& doc) {
    xmlDocPtr d = xmlReadMemory(doc.data(), static_cast<int>(doc.size()), nullptr, nullptr, XML_PARSE_NONET);
    if (!d) return {"<not well-formed>", ""};
    xmlNodePtr e = xmlDocGetRootElement(d)->children;
    while (e && e->type != XML_ELEMENT_NODE) e = e->next;
    xmlChar* text = xmlNodeGetContent(e);
    xmlChar* attr = xmlGetProp(e, reinterpret_cast<const xmlChar*>("a"));
    std::pair<std::string, std::string> out{reinterpret_cast<char*>(text), reinterpret_cast<char*>(attr)};
    xmlFree(text);
    xmlFree(attr);
    xmlFreeDoc(d);
    return out;
}

TEST(XmlWriter, TextComesBackUnchanged) {
    for (const std::string text : {"Horvat & Sin d.o.o.", "a < b > c", "\"navodnici\" i 'apostrofi'", "Šimić Đurđa Čačić ž",
                                   "]]> <![CDATA[", "", "tab\tend"}) {
        const std::string doc = document(text);
        EXPECT_TRUE(doc.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << doc;
        EXPECT_EQ(readBack(doc), std::make_pair(text, text)) << doc;
    }
}

TEST(XmlWriter, TextXmlCannotCarryFailsNamingTheElement) {
    for (const std::string& text : {std::string("\xC5"), std::string("bell\x07"), std::string("nul\0x", 5),
                                    std::string("Ana\xED\xA0\x80"), std::string("\xC0\xAF"), std::string("\xEF\xBF\xBE"),
                                    std::string("\x1B[31m"), std::string("\xF4\x90\x80\x80")}) {
        XmlWriter w;
        w.begin("R");
        w.leaf("P5", text);
        w.end();
        EXPECT_FALSE(w.finish()) << text;
        EXPECT_NE(w.problem().find("P5"), std::string::npos) << w.problem();
    }
}

// The one test of what XML may carry: the shortest UTF-8 form of XML's characters, less the
// controls; the fault named by its bytes or its character and where it is.
TEST(XmlText, WhatAnXmlFileCanCarry) {
    const std::pair<std::string, const char*> cases[] = {
        {"Ana\xED\xA0\x80", "bajtovi ED A0 80 nisu ispravan UTF-8 (4. znak)"},   // an encoded surrogate
        {"a\xC0\xAF", "bajtovi C0 AF nisu ispravan UTF-8 (2. znak)"},             // an overlong "/"
        {"\xE0\x80\xAF", "bajtovi E0 80 AF nisu ispravan UTF-8 (1. znak)"},      // overlong in three bytes
        {"\xF4\x90\x80\x80", "bajtovi F4 90 80 80 nisu ispravan UTF-8 (1. znak)"}, // past U+10FFFF
        {"Š\xC5", "bajt C5 nije ispravan UTF-8 (2. znak)"},                        // cut short at the end
        {"\xE2\x82x", "bajtovi E2 82 nisu ispravan UTF-8 (1. znak)"},              // cut short before a letter
        {"\xA0", "bajt A0 nije ispravan UTF-8 (1. znak)"},                         // a lone continuation byte
        {"x\xEF\xBF\xBE", "znak U+FFFE, koji XML ne dopušta (2. znak)"},
        {"\xEF\xBF\xBF", "znak U+FFFF, koji XML ne dopušta (1. znak)"},
        {std::string("a\0", 2), "kontrolni znak U+0000 (2. znak)"},
        {"Đ\x07", "kontrolni znak U+0007 (2. znak)"},
        {"\x1B[31m", "kontrolni znak U+001B (1. znak)"},
        {"\x7F", "kontrolni znak U+007F (1. znak)"},
        {"\xC2\x85", "kontrolni znak U+0085 (1. znak)"},
    };
    for (const auto& [text, fault] : cases) EXPECT_EQ(xmlTextFault(text), fault) << testing::PrintToString(text);
    for (const std::string text : {"tab\t LF\n CR\r", "\xED\x9F\xBF \xEE\x80\x80 \xEF\xBF\xBD", "\xF0\x90\x80\x80 \xF4\x8F\xBF\xBF",
                                   "Šimić Đurđa ä €", ""})
        EXPECT_EQ(xmlTextFault(text), std::nullopt) << testing::PrintToString(text);  // U+D7FF, U+E000, U+FFFD, U+10000, U+10FFFF
}

TEST(SchemaReason, ValidatorWordsBecomePlainWords) {
    const struct {
        const char* detail;
        const char* value;
        const char* reason;
    } cases[] = {
        {"Element '{urn:x}P4': [facet 'pattern'] The value '123' is not accepted by the pattern '\\d{11}'.", "123",
         "vrijednost \"123\" nije u propisanom obliku"},
        {"Element '{urn:x}P5': [facet 'minLength'] The value has a length of '1'; this underruns the allowed minimum length of '2'.",
         "A", "vrijednost \"A\" je prekratka (najmanje 2 znakova)"},
        {"Element '{urn:x}P11': [facet 'minInclusive'] The value '-1.00' is less than the minimum value allowed ('0').",
         "-1.00", "vrijednost \"-1.00\" je manja od najmanje dopuštene (0)"},
        {"Element '{urn:x}P151': [facet 'enumeration'] The value '00' is not an element of the set {'0', '01'}.", "00",
         "vrijednost \"00\" nije jedna od dopuštenih vrijednosti"},
        {"Element '{urn:x}P': Missing child element(s). Expected is ( {urn:x}P17 ).", "", "nedostaje element P17"},
        {"Element '{urn:x}X': This element is not expected. Expected is one of ( {urn:x}A, {urn:x}B ).", "",
         "element ovdje nije dopušten; očekuje se A, B"},
    };
    for (const auto& c : cases) EXPECT_EQ(plainReason(c.detail, c.value), c.reason) << c.detail;
}

std::string contentOf(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(XmlFile, ARefusedDocumentLeavesTheEarlierFile) {
    test::TempDir dir;
    const std::string target = dir.file("JOP_15074_abcd.xml");
    std::ofstream(target) << "earlier";
    std::string described;
    SchemaProblem last;
    const auto problem = writeXmlFile(target, document("x"), "joppd/ObrazacJOPPD-v1-1.xsd", [&](const SchemaProblem& p) {
        described = p.element + ": " + p.reason;
        last = p;
        return "refused";
    });
    EXPECT_EQ(problem, "refused");
    EXPECT_EQ(described.substr(0, 3), "R: ") << described;
    EXPECT_EQ(last.detail.find("urn:x"), std::string::npos) << last.detail;  // namespaces left out of the words
    EXPECT_EQ(contentOf(target), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

// A document without a schema is parsed back before it replaces the file: one that is not
// well-formed is refused.
TEST(XmlFile, ADocumentWithoutSchemaIsParsedBack) {
    test::TempDir dir;
    const std::string target = dir.file("ID-1_12345678903_01.xml");
    std::ofstream(target) << "earlier";
    const auto describe = [](const SchemaProblem& p) { return p.reason; };
    EXPECT_EQ(writeXmlFile(target, "<R>\xED\xA0\x80</R>", {}, describe), "datoteka nije ispravan XML");
    EXPECT_EQ(contentOf(target), "earlier");
    EXPECT_EQ(writeXmlFile(target, document("Š"), {}, describe), std::nullopt);
    EXPECT_EQ(readBack(contentOf(target)).first, "Š");
}

// A document written as it is made: one the schema refuses is described like one in memory, one
// with a value the writer refuses stops in the writer's words; neither replaces the earlier file
// nor leaves a temporary. One that passes is in place, the same bytes as made in memory.
TEST(XmlFile, AStreamedDocumentIsCheckedBeforeItIsPlaced) {
    test::TempDir dir;
    const std::string target = dir.file("JOP_15074_abcd.xml");
    const auto record = [](std::string_view value) {
        return [value](XmlWriter& w) -> std::optional<std::string> {
            w.begin("R", {{"xmlns", "urn:x"}});
            w.leaf("A", "1");
            w.leaf("B", value);
            w.end();
            return std::nullopt;
        };
    };
    std::ofstream(target) << "earlier";
    const auto describe = [](const SchemaProblem& p) { return p.element + ": " + p.reason; };
    std::string inMemory;
    const auto memoryDescribe = [&](const SchemaProblem& p) { return inMemory = describe(p); };
    XmlWriter memory;
    (void)record("2")(memory);
    (void)writeXmlFile(target, *memory.finish(), joppdSchemaForTest, memoryDescribe);
    EXPECT_EQ(writeXmlFile(target, record("2"), joppdSchemaForTest, describe), inMemory);
    EXPECT_EQ(inMemory.substr(0, 3), "R: ") << inMemory;
    EXPECT_EQ(writeXmlFile(target, record("bell\x07"), {}, describe),
              "vrijednost elementa B ne može se zapisati u XML: kontrolni znak U+0007 (5. znak)");
    EXPECT_EQ(contentOf(target), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
    ASSERT_EQ(writeXmlFile(target, record("Š & 2"), {}, describe), std::nullopt);
    XmlWriter same;
    (void)record("Š & 2")(same);
    EXPECT_EQ(contentOf(target), same.finish());  // byte for byte the document made in memory
    EXPECT_NE(contentOf(target).find("<B>Š &amp; 2</B>\n</R>"), std::string::npos) << contentOf(target);
}

}  // namespace
}  // namespace pramo
