// Returns that are not written: the checks of the submission and its payment, items that cannot
// be reported, data the official schema refuses, and a file that cannot be put in place. Each
// leaves no file and the submission's path as it was, and is never reported as created.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "joppd/return_file.h"
#include "support/joppd_office.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "xml/xml_text.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

struct RefusalCase {
    const char* name;
    std::function<Jopo(test::JoppdOffice&)> setUp;  // answers the submission to write
    std::vector<const char*> says;                  // parts of the message, in order
};

Jopo withItem(test::JoppdOffice& o, std::int32_t payee, std::uint8_t type) {
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, payee, type, "1000.00");
    return o.submission(1);
}

// An item stored without a calculation, as a register edited afterwards leaves it.
Jopo withRawItem(test::JoppdOffice& o, std::int32_t payee, std::uint8_t type) {
    o.payment(1, test::date(2015, 3, 10));
    o.office.add(Dohoci{.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = payee, .vrstadohotka = type});
    return o.submission(1);
}

Jopo submissionWith(test::JoppdOffice& o, Jopo jopo) {
    return o.office.add(jopo);
}

// Payee 4, Ivo Ivić, with `change` made to him, paid an author's fee.
Jopo withPayee(test::JoppdOffice& o, const std::function<void(Osobe&)>& change) {
    Osobe ivic{.oznaka = 4, .ime = "Ivo", .prezime = "Ivić", .oib = "00000000001", .mjesto = 1, .drugistup = "DA",
               .faktorodbitka = test::rate("1")};
    change(ivic);
    o.office.add(ivic);
    return withItem(o, 4, 2);
}

const RefusalCase refusals[] = {
    {"no payment", [](auto& o) { return submissionWith(o, {.oznaka = 1, .isplata = 9, .rbr = 1, .imeautora = "A", .prezimeautora = "B",
                                                            .email = "a@b.hr", .ujed = "3f9a0000-0000-4000-8000-000000000000"}); },
     {"GREŠKA - ISPLATA"}},
    {"no payer", [](auto& o) {
         o.office.add(Isplate{.oznaka = 1, .isplatitelj = 9, .rsid = "15069", .datum = test::date(2015, 3, 10)});
         return o.submission(1);
     }, {"GREŠKA - ISPLATITELJ"}},
    {"no place of the payer", [](auto& o) {
         o.office.add(Subjekti{.oznaka = 2, .tip = "P", .naziv = "Drugi", .mjesto = 9, .ulica = 1});
         o.office.add(Isplate{.oznaka = 1, .isplatitelj = 2, .rsid = "15069", .datum = test::date(2015, 3, 10)});
         return o.submission(1);
     }, {"GREŠKA - MJESTO ISPLATITELJA"}},
    {"no street of the payer", [](auto& o) {
         o.office.add(Subjekti{.oznaka = 2, .tip = "P", .naziv = "Drugi", .mjesto = 1, .ulica = 9});
         o.office.add(Isplate{.oznaka = 1, .isplatitelj = 2, .rsid = "15069", .datum = test::date(2015, 3, 10)});
         return o.submission(1);
     }, {"GREŠKA - ULICA ISPLATITELJA"}},
    {"no author e-mail", [](auto& o) {
         o.payment(1, test::date(2015, 3, 10));
         return submissionWith(o, {.oznaka = 1, .isplata = 1, .rbr = 1, .imeautora = "Marko", .prezimeautora = "Marić",
                                   .ujed = "3f9a0000-0000-4000-8000-000000000000"});
     }, {"NISU UNESENI SVI PODACI O AUTORU OBRASCA"}},
    {"no identifier", [](auto& o) {
         o.payment(1, test::date(2015, 3, 10));
         return submissionWith(o, {.oznaka = 1, .isplata = 1, .rbr = 1, .imeautora = "Marko", .prezimeautora = "Marić",
                                   .email = "marko@pramo.hr"});
     }, {"NIJE FORMIRAN IDENTIFIKATOR XML OBRASCA (HEKSADECIMALNI BROJ)"}},
    {"an identifier that would lead the file elsewhere", [](auto& o) {
         o.payment(1, test::date(2015, 3, 10));
         return submissionWith(o, {.oznaka = 1, .isplata = 1, .rbr = 1, .imeautora = "Marko", .prezimeautora = "Marić",
                                   .email = "marko@pramo.hr", .ujed = "../../0000-0000-4000-8000-000000000000"});
     }, {"Identifikator XML obrasca \"../../", "nije ispravan"}},
    {"payee missing", [](auto& o) { return withRawItem(o, 9, 2); }, {"GREŠKA BR. 1\nRedak 1", "šifra 9, kojeg nema"}},
    {"payee's place missing", [](auto& o) {
         o.office.add(Osobe{.oznaka = 4, .ime = "Ivo", .prezime = "Ivić", .oib = "00000000001", .mjesto = 9});
         return withRawItem(o, 4, 2);
     }, {"GREŠKA BR. 2\nRedak 1", "Ivić Ivo (šifra 4)"}},
    {"income type missing", [](auto& o) { return withRawItem(o, 1, 99); }, {"GREŠKA nije odabrana vrsta dohotka\nRedak 1"}},
    {"no recipient category", [](auto& o) {
         o.office.add(Vrstedoh{.oznaka = 8, .naziv = "Bez oznake", .visestopa = "NE", .rezstringb = "4030"});
         return withRawItem(o, 1, 8);
     }, {"GREŠKA nije unesena oznaka stjecatelja\nRedak 1"}},
    {"no receipt label", [](auto& o) {
         o.office.add(Vrstedoh{.oznaka = 8, .naziv = "Bez oznake", .visestopa = "NE", .rezstringa = "02"});
         return withRawItem(o, 1, 8);
     }, {"GREŠKA nije unesena oznaka primitka\nRedak 1"}},
    {"a payee OIB with a wrong check digit", [](auto& o) { return withPayee(o, [](Osobe& p) { p.oib = "69435151531"; }); },
     {"OIB primatelja 69435151531 nije ispravan", "Redak 1 stranice B", "Ivić Ivo (šifra 4)", "nije kreirana"}},
    {"a payment without a date", [](auto& o) {
         o.office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15069"});
         o.office.add(Dohoci{.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2});
         return o.submission(1);
     }, {"Isplata 1 (oznaka izvješća 15069) nema datum isplate."}},
    {"an encoded surrogate in a payee's first name", [](auto& o) { return withPayee(o, [](Osobe& p) { p.ime = "Ana\xED\xA0\x80"; }); },
     {"polje OSO:IME ne može se zapisati u XML: bajtovi ED A0 80 nisu ispravan UTF-8 (4. znak)", "Redak 1", "(šifra 4)"}},
    {"an escape in a payee's surname", [](auto& o) { return withPayee(o, [](Osobe& p) { p.prezime = "Ivi\x1B[2Jć"; }); },
     {"polje OSO:PREZIME ne može se zapisati u XML: kontrolni znak U+001B (4. znak)", "primatelj Ivi\xEF\xBF\xBD[2Jć Ivo"}},
    {"an overlong sequence in the payer's name", [](auto& o) {
         o.office.add(Subjekti{.oznaka = 2, .tip = "P", .naziv = "Pramo\xC0\xAF", .mjesto = 1, .ulica = 1});
         o.office.add(Isplate{.oznaka = 1, .isplatitelj = 2, .rsid = "15069", .datum = test::date(2015, 3, 10)});
         return o.submission(1);
     }, {"isplatitelj Pramo", "(šifra 2), polje SUB:NAZIV ne može se zapisati u XML: bajtovi C0 AF nisu ispravan UTF-8 (6. znak)"}},
    {"U+FFFE in the author's name", [](auto& o) {
         o.payment(1, test::date(2015, 3, 10));
         return submissionWith(o, {.oznaka = 1, .isplata = 1, .rbr = 1, .imeautora = "Marko\xEF\xBF\xBE", .prezimeautora = "Marić",
                                   .email = "marko@pramo.hr", .ujed = "3f9a0000-0000-4000-8000-000000000000"});
     }, {"JOPPD obrazac (šifra 1), polje JOPO:IMEAUTORA ne može se zapisati u XML: znak U+FFFE, koji XML ne dopušta (6. znak)"}},
    {"schema: an OIB of four digits", [](auto& o) {
         o.office.add(Osobe{.oznaka = 4, .ime = "Ivo", .prezime = "Ivić", .oib = "1234", .mjesto = 1, .drugistup = "DA",
                            .faktorodbitka = test::rate("1")});
         return withItem(o, 4, 2);
     }, {"obrazac ne odgovara službenoj shemi JOPPD", "stranica B, redak 1 (Ivo Ivić, OIB 1234), P4 (OIB stjecatelja): "
         "vrijednost \"1234\" nije u propisanom obliku; očekuje se 11 znamenki."}},
    {"schema: a non-taxable type without its code", [](auto& o) { return withItem(o, 1, 3); },
     {"stranica B, redak 1 (Ivan Horvat, OIB 69435151530), P151 (oznaka neoporezivog primitka", "\"00\" nije jedna od"}},
    {"schema: an author's e-mail without a domain", [](auto& o) {
         o.payment(1, test::date(2015, 3, 10));
         return submissionWith(o, {.oznaka = 1, .isplata = 1, .rbr = 1, .imeautora = "Marko", .prezimeautora = "Marić",
                                   .email = "marko", .ujed = "3f9a0000-0000-4000-8000-000000000000"});
     }, {"stranica A, Email (e-pošta autora obrasca): vrijednost \"marko\" nije u propisanom obliku"}},
};

TEST(JoppdRefusal, NothingIsWrittenAndTheSubmissionKeepsItsPath) {
    for (const RefusalCase& c : refusals) {
        SCOPED_TRACE(c.name);
        test::JoppdOffice o;
        Jopo jopo = c.setUp(o);
        jopo.datoteka = "/earlier/JOP_15069_3f9a.xml";
        ASSERT_EQ(o.store().put(jopo), StoreCode::Ok);
        const FixedClock clock(test::date(2015, 3, 15));
        const ReturnFileOutcome out = writeReturnFile(o.store(), clock, jopo.oznaka, {o.dataDir(), {}});
        EXPECT_FALSE(out.created);
        std::size_t at = 0;
        for (const char* part : c.says) {
            at = out.message.find(part, at);
            EXPECT_NE(at, std::string::npos) << "missing \"" << part << "\" in:\n" << out.message;
        }
        EXPECT_EQ(xmlTextFault(out.message), std::nullopt) << "the message echoes what it refuses";
        EXPECT_EQ(o.reread(jopo).datoteka.str(), "/earlier/JOP_15069_3f9a.xml");
        for (const auto& entry : fs::directory_iterator(o.dataDir()))
            EXPECT_TRUE(entry.path().filename().string().starts_with("pramo.db")) << entry.path();
    }
}

// The file cannot be put in place (a directory holds its name), or its path does not fit the
// submission's field: the message says so and nothing is recorded.
TEST(JoppdRefusal, ThePlaceOfTheFile) {
    for (const bool longPath : {false, true}) {
        SCOPED_TRACE(longPath ? "path too long" : "directory in the way");
        test::JoppdOffice o;
        const Jopo jopo = withItem(o, 1, 2);
        fs::path out = o.dir();
        if (longPath) out /= std::string(120, 'd');
        else fs::create_directory(out / ("JOP_15069_" + jopo.ujed.str().substr(0, 4) + ".xml"));
        fs::create_directories(out);
        const FixedClock clock(test::date(2015, 3, 15));
        const ReturnFileOutcome r = writeReturnFile(o.store(), clock, jopo.oznaka, {o.dataDir(), out.string()});
        EXPECT_FALSE(r.created);
        const char* says = longPath ? "duža od 128 znakova" : "XML datoteka nije kreirana: Datoteku ";
        EXPECT_NE(r.message.find(says), std::string::npos) << r.message;
        EXPECT_TRUE(o.reread(jopo).datoteka.blank());
    }
}

}  // namespace
}  // namespace pramo
