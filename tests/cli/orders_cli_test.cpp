// pramo-cli report hub3|hub3a: the orders of a payment as PDF and as a text of fields.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "records/layouts/opcine.h"
#include "support/office.h"
#include "support/run_command.h"
#include "support/test_data.h"

namespace pramo::test {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(OrdersCli, TextAndPdf) {
    TestData data;
    Office office(data.files);
    office.standardRegisters();
    office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "23032", .datum = date(2023, 2, 1), .godina = "2023"});
    office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = money("1000.00")});
    const std::string dir = data.dir.path().string(), text = data.dir.file("n.txt"), pdf = data.dir.file("n.pdf");

    CommandResult r = runCommand(PRAMO_CLI, {"report", "hub3", "--payment", "1", "--printer", "M", "--param", "1",
                                             "--data", dir, "--text", text});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string lines = slurp(text);
    for (const char* line : {"NALOG=1\nIZNOS=**1.000,00\nUPLATITELJ=Pramo d.o.o.\n", "NALOG=5\n",
                             "ZIROP=HR6510010051550100001\n", "POZIVP=8540-12345678903-23032\n"}) {
        EXPECT_NE(lines.find(line), std::string::npos) << line << "\n" << lines;
    }

    r = runCommand(PRAMO_CLI, {"report", "hub3a", "--payment", "1", "--data", dir, "--pdf", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("stranica: 2, zapisano u "), std::string::npos) << r.out;
    const std::string pages = pdfText(pdf);
    for (const char* s : {"**1.000,00", "HR67", "12345678903-23032-8", "Autorski honorar - Ivan"}) {
        EXPECT_NE(pages.find(s), std::string::npos) << s << "\n" << pages;
    }

    r = runCommand(PRAMO_CLI, {"report", "hub3a", "--payment", "2", "--data", dir, "--pdf", pdf});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("nema ništa za ispis"), std::string::npos) << r.err;
}

// Orders without the recipient's whole IBAN (a payee without an account, a municipality without
// its tax account) are printed saying so, without a 2D code, and the command names each of them
// but the order of a payee paid in cash, who needs no account.
TEST(OrdersCli, OrdersWithoutAnAccountAreNamed) {
    TestData data;
    Office office(data.files);
    office.standardRegisters();
    Opcine zagreb{.oznaka = 1};
    ASSERT_EQ(data.store.get(Opcine::keyOznaka, zagreb), StoreCode::Ok);
    zagreb.racunporez = "";
    ASSERT_EQ(data.store.put(zagreb), StoreCode::Ok);
    office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "23032", .datum = date(2023, 2, 1), .godina = "2023"});
    office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = money("1000.00")});
    office.item({.oznaka = 2, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = money("500.00")});
    office.item({.oznaka = 3, .rednibroj = 3, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = money("200.00")}, 4);
    const std::string dir = data.dir.path().string(), pdf = data.dir.file("n.pdf");
    for (const char* form : {"hub3", "hub3a"}) {
        SCOPED_TRACE(form);
        const CommandResult r = runCommand(PRAMO_CLI, {"report", form, "--payment", "1", "--data", dir, "--pdf", pdf});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::string tail = std::string(form) == "hub3a" ? " i bez 2D koda.\n" : ".\n";
        for (const std::string order : {"Nalog 2 (Uplata poreza i prireza na dohodak - Ivan Horvat)",
                                        "Nalog 3 (Autorski honorar - Ana Kovačević)"})
            EXPECT_NE(r.err.find(order + ": nema ispravnog IBAN-a primatelja; ispisan je bez računa" + tail), std::string::npos) << r.err;
        for (const char* named : {"Nalog 1 ", "Nalog 5 "}) EXPECT_EQ(r.err.find(named), std::string::npos) << r.err;
        const std::string pages = pdfText(pdf);
        std::size_t notes = 0;
        for (std::size_t at = 0; (at = pages.find("NEDOSTAJE RAČUN", at)) != std::string::npos; ++at) ++notes;
        EXPECT_EQ(notes, 6u) << pages;  // on each order and its receipt stub
        EXPECT_EQ(pages.find("HR1110010051"), std::string::npos) << pages;  // never a part of an account
    }
}

}  // namespace
}  // namespace pramo::test
