#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "records/layouts/id1.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/store/read_linked.h"
#include "reports/id1/id1_xml.h"
#include "reports/id1/popratni_dopis.h"
#include "reports/year_office.h"
#include "xml/xml_text.h"

namespace pramo {
namespace {

// A written return read back with libxml2: strictly (a malformed file or one that is not valid
// UTF-8 is refused), with XPath over the return's namespace as prefix "i".
class Return {
public:
    explicit Return(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        bytes = s.str();
        doc_ = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, XML_PARSE_NONET);
        if (!doc_) return;
        ctx_ = xmlXPathNewContext(doc_);
        xmlXPathRegisterNs(ctx_, BAD_CAST "i", BAD_CAST std::string(id1Namespace).c_str());
    }
    ~Return() {
        if (ctx_) xmlXPathFreeContext(ctx_);
        if (doc_) xmlFreeDoc(doc_);
    }
    bool wellFormedUtf8() const {
        return doc_ && xmlCheckUTF8(BAD_CAST bytes.c_str()) && doc_->encoding &&
               std::string(reinterpret_cast<const char*>(doc_->encoding)) == "UTF-8";
    }
    // The XPath expression's value as a string ("" when it selects nothing).
    std::string operator()(const std::string& xpath) const {
        if (!ctx_) return "(not parsed)";
        xmlXPathObjectPtr o = xmlXPathEvalExpression(BAD_CAST("string(" + xpath + ")").c_str(), ctx_);
        std::string v = o && o->stringval ? reinterpret_cast<const char*>(o->stringval) : "";
        xmlXPathFreeObject(o);
        return v;
    }
    std::string bytes;

private:
    xmlDocPtr doc_ = nullptr;
    xmlXPathContextPtr ctx_ = nullptr;
};

class Id1Xml : public test::YearOffice {
protected:
    void SetUp() override {
        YearOffice::SetUp();
        office.add(Id1{.oznaka = 1, .isplatitelj = 1, .storno = "false", .godina = "2010", .konime = "Marija  Ana",
                       .konprezime = "Šimunović", .konpoz1 = 1, .kontel1 = "4567890", .konemail = "marija@pramo.hr"});
    }
    Id1XmlOutcome write(std::int32_t header = 1) { return writeId1Xml(data.files, header, data.dir.path().string()); }

public:
    template <class R>
    void change(std::int32_t number, const std::function<void(R&)>& f) {
        R rec;
        ASSERT_EQ(readLinked(data.store, number, rec), StoreCode::Ok);
        f(rec);
        ASSERT_EQ(data.store.put(rec), StoreCode::Ok);
    }
    std::string path() const { return data.dir.file("ID-1_12345678903_01.xml"); }
    static std::string payee(const char* prezime, const char* rest) {
        return "//i:Obveznik[i:Prezime='" + std::string(prezime) + "']/" + rest;
    }
};

// Only payees with income tax or surtax are written, in surname order: not Zec (crisis tax only),
// not Babić (no tax). Every amount is the sum of the payee's lines of payer 1's year; the crisis
// tax has its own account 1902 but stays out of the payee's tax total and is taken off the amount
// paid out.
TEST_F(Id1Xml, PayeesWithTheirSums) {
    ASSERT_TRUE(write().written());
    const Return x(path());
    ASSERT_TRUE(x.wellFormedUtf8());
    EXPECT_EQ(x("count(//i:Obveznik)"), "4");
    const struct { const char* prezime; const char* ime; const char* payee; const char* oib; } rows[] = {
        {"Bäcker", "Ana Marija", "4", "33392005961"}, {"Horvat", "Ivan", "1", "69435151530"},
        {"Kovačević", "Ana", "2", "94577403194"},     {"Šimić", "Đurđa", "3", ""}};
    for (int i = 0; i < 4; ++i) {
        const auto& r = rows[i];
        SCOPED_TRACE(r.prezime);
        EXPECT_EQ(x("//i:Obveznik[" + std::to_string(i + 1) + "]/i:Prezime"), r.prezime);
        EXPECT_EQ(x(payee(r.prezime, "i:Ime")), r.ime);
        EXPECT_EQ(x(payee(r.prezime, "@oib")), r.oib);
        EXPECT_EQ(x(payee(r.prezime, "i:Primitak")), test::written(yearCents("1", r.payee)));
        EXPECT_EQ(x(payee(r.prezime, "i:Izdatak")), test::written(yearCents("2,3", r.payee)));
        EXPECT_EQ(x(payee(r.prezime, "i:IzdatakDoprinosa")), test::written(yearCents("5,6", r.payee)));
        EXPECT_EQ(x(payee(r.prezime, "i:PorezPrirez/i:Ukupno")), test::written(yearCents("8,9", r.payee)));
        EXPECT_EQ(x(payee(r.prezime, "i:IsplaceniPrimitak")),
                  test::written(yearCents("10", r.payee) - yearCents("13", r.payee)));
        const std::int64_t crisis = yearCents("13", r.payee);
        EXPECT_EQ(x(payee(r.prezime, "i:PorezPrirez/i:Racuni/i:Racun[@brojRacuna='1902']/i:Iznos")),
                  crisis ? test::written(crisis) : "");
    }
    EXPECT_EQ(x(payee("Šimić", "i:PorezPrirez/i:Racuni/i:Racun[@brojRacuna='1902']/i:Iznos")), "280");
    EXPECT_EQ(x(payee("Horvat", "i:PorezPrirez/i:Racuni/i:Racun[@brojRacuna='1805']/i:Iznos")),
              test::written(yearCents("8,9", "1", "'1805'")));
}

// The file's totals cover the payees written; its tax total includes the crisis tax.
TEST_F(Id1Xml, FileTotals) {
    ASSERT_TRUE(write().written());
    const Return x(path());
    const std::string written = "1,2,3,4";
    const struct { const char* element; const char* positions; } rows[] = {
        {"i:Primitak", "1"}, {"i:Izdatak", "2,3"}, {"i:IzdatakDoprinosa", "5,6"}, {"i:PorezPrirez/i:Ukupno", "8,9,13"},
        {"i:PorezPrirez/i:Racuni/i:Racun[@brojRacuna='1902']/i:Iznos", "13"},
        {"i:PorezPrirez/i:Racuni/i:Racun[@brojRacuna='1422']/i:Iznos", "8,9"}};
    for (const auto& r : rows) {
        const std::string accounts = std::string(r.element).find("1422") != std::string::npos ? "'1422'" : "";
        EXPECT_EQ(x(std::string("/i:Id1/i:Ukupno/") + r.element), test::written(yearCents(r.positions, written, accounts)))
            << r.element;
    }
    EXPECT_EQ(x("/i:Id1/i:Ukupno/i:IsplaceniPrimitak"),
              test::written(yearCents("10", written) - yearCents("13", written)));
}

// The header and contact person; a second telephone only when there is one.
TEST_F(Id1Xml, HeaderAndTelephones) {
    ASSERT_TRUE(write().written());
    const Return one(path());
    EXPECT_EQ(one("/i:Id1/@storno"), "false");
    EXPECT_EQ(one("/i:Id1/i:IsplataUGodini"), "2010");
    EXPECT_EQ(one("/i:Id1/i:Isplatitelj/@oib"), "12345678903");
    EXPECT_EQ(one("//i:KontaktOsoba/i:Ime") + "|" + one("//i:KontaktOsoba/i:Prezime"), "Marija Ana|Šimunović");
    EXPECT_EQ(one("count(//i:Telefon)") + " " + one("//i:Telefon[1]"), "1 +385(1)4567890");
    Id1 h{.oznaka = 1};
    ASSERT_EQ(data.store.get(Id1::keyOznaka, h), StoreCode::Ok);
    h.konpoz2 = 91;
    h.kontel2 = "1234567";
    ASSERT_EQ(data.store.put(h), StoreCode::Ok);
    ASSERT_TRUE(write().written());
    const Return two(path());
    EXPECT_EQ(two("count(//i:Telefon)") + " " + two("//i:Telefon[2]"), "2 +385(91)1234567");
}

// One box per item whose tax has no account to go to (its income type has none), one per payee
// written without OIB. The items of a non-taxable receipt ("Naknada troškova", no tax account)
// withheld no tax, and draw no box.
TEST_F(Id1Xml, Messages) {
    const Id1XmlOutcome out = write();
    ASSERT_TRUE(out.written());
    std::vector<std::string> texts;
    for (const MessageBox& box : out.notes) texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"NIJE UNESENA SHIFRA POREZA U VRSTI DOHOTKA Bez računa",
                                               "Šimić Đurđa NEMA UNESEN OIB"}));
}

// A return carrying what the tax authority or an XML parser would refuse is not written: the
// message names the record, the field or OIB, and what is wrong with it. Each case sets its fault
// in the office (`bad`), and takes it back afterwards.
TEST_F(Id1Xml, RefusedNamingRecordAndField) {
    using Change = std::function<void(Id1Xml&, bool bad)>;
    const struct {
        const char* name;
        Change change;
        const char* says;
    } cases[] = {
        {"a payee OIB with a wrong check digit",
         [](Id1Xml& t, bool bad) { t.change<Osobe>(1, [&](Osobe& o) { o.oib = bad ? "69435151531" : "69435151530"; }); },
         "primatelj Horvat Ivan (šifra 1): OIB 69435151531 nije ispravan"},
        {"an encoded surrogate in a payee's name",
         [](Id1Xml& t, bool bad) { t.change<Osobe>(1, [&](Osobe& o) { o.prezime = bad ? "Hor\xED\xA0\x80" : "Horvat"; }); },
         "(šifra 1), polje OSO:PREZIME ne može se zapisati u XML: bajtovi ED A0 80 nisu ispravan UTF-8 (4. znak)"},
        {"a bell in the code of the payee's municipality",
         [](Id1Xml& t, bool bad) { t.change<Opcine>(1, [&](Opcine& o) { o.shifra = bad ? "13\x07" : "1333"; }); },
         "polje OPC:SHIFRA ne može se zapisati u XML: kontrolni znak U+0007 (3. znak)"},
        {"U+FFFE in the contact's name",
         [](Id1Xml& t, bool bad) { t.change<Id1>(1, [&](Id1& h) { h.konime = bad ? "Marija\xEF\xBF\xBE" : "Marija  Ana"; }); },
         "ID-1 obrazac (šifra 1), polje ID1:KONIME ne može se zapisati u XML: znak U+FFFE, koji XML ne dopušta (7. znak)"},
        {"a payer OIB that would name a file elsewhere",
         [](Id1Xml& t, bool bad) { t.change<Subjekti>(1, [&](Subjekti& s) { s.oib = bad ? "../../x" : "12345678903"; }); },
         "isplatitelj Pramo d.o.o. (šifra 1): OIB \"../../x\" nije ispravan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.change(*this, true);
        const Id1XmlOutcome out = write();
        EXPECT_FALSE(out.written());
        EXPECT_NE(out.problem.find(c.says), std::string::npos) << out.problem;
        EXPECT_EQ(out.poruka, out.problem);
        EXPECT_EQ(xmlTextFault(out.problem), std::nullopt) << "the message echoes what it refuses";
        EXPECT_FALSE(std::filesystem::exists(path()));
        c.change(*this, false);
    }
    EXPECT_TRUE(write().written());  // every fault taken back
}

// A return that cannot be written says why and changes nothing: no file appears, and a return
// written before stays as it was. (A directory's permissions do not stop root, so the target
// lies under a regular file, which no user can write into.)
TEST_F(Id1Xml, FailedWriteChangesNothing) {
    ASSERT_TRUE(write().written());
    const std::string before = Return(path()).bytes;
    std::ofstream(data.dir.file("plain")) << "x";
    const Id1XmlOutcome underFile = writeId1Xml(data.files, 1, data.dir.file("plain") + "/out");
    EXPECT_FALSE(underFile.written());
    EXPECT_NE(underFile.problem.find("cannot"), std::string::npos) << underFile.problem;
    EXPECT_EQ(underFile.path, "");
    EXPECT_FALSE(write(2).written());
    EXPECT_EQ(Return(path()).bytes, before);
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(data.dir.path()))
        if (!e.path().filename().string().starts_with("pramo.db")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ID-1_12345678903_01.xml", "plain"}));
}

// The cover letter: one page per header of the payer's year, or the one header asked for.
TEST_F(Id1Xml, CoverLetter) {
    office.add(Id1{.oznaka = 2, .isplatitelj = 1, .storno = "true", .godina = "2010", .konime = "Ivo", .konprezime = "Kos",
                   .konpoz1 = 21, .kontel1 = "111222", .konpoz2 = 91, .kontel2 = "333444"});
    const struct { std::int32_t payer; int year; std::int32_t header; std::size_t pages; const char* contact; } cases[] = {
        {1, 2010, 0, 2, "Šimunović Marija  Ana"}, {1, 2010, 2, 1, "Kos Ivo"}, {1, 2009, 0, 0, ""}, {2, 2010, 0, 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contact);
        SilentProgress progress;
        const ReportArgs args{.payer = c.payer, .header = c.header, .year = c.year};
        const ReportResult r = runDeclaredReport(popratniDopisReport, data.files, args, office.clock(), progress);
        ASSERT_EQ(r.pages.size(), c.pages);
        if (c.pages == 0) continue;
        const Page& page = r.pages[0];
        EXPECT_TRUE(test::hasText(page, QStringLiteral("OBRAZAC ID-1 ZA 2010. godinu")));
        EXPECT_EQ(test::rowBeside(page, QStringLiteral("Prezime i ime")).back().toStdString(), c.contact);
        EXPECT_EQ(test::rowBeside(page, QStringLiteral("Adresa isplatitelja")).back(), QStringLiteral("Zagreb, Ilica 1"));
        EXPECT_EQ(test::rowBeside(page, QStringLiteral("Nadležna ispostava PU")).back(), QStringLiteral("ZAGREB"));
        EXPECT_EQ(test::hasText(page, QStringLiteral("+385(91)333444")), c.header == 2);
    }
}

}  // namespace
}  // namespace pramo
