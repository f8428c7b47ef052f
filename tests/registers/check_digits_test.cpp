// The derived accounts and check digits of the registers, and the checks of typed codes.

#include <gtest/gtest.h>

#include "registers/check_digits.h"
#include "registers/entry_checks.h"
#include "registers/tax_account.h"

namespace pramo {
namespace {

TEST(Kontrola, DerivesTheTaxAccountAndIbanFromTheFirstThreeDigits) {
    struct Case {
        const char* shifra;
        const char* racunporez;
        const char* rkont;
    } const cases[] = {
        {"133", "1713312009", "HR11"},
        {"1333", "1713312009", "HR11"},
        {"281", "1728112002", "HR42"},
        {"2810", "1728112002", "HR42"},
        {"109", "1710912000", "HR83"},  // MOD 11,10 gives 10 there: the check digit is 0
        {"99404", "", ""},                  // a country abroad has no tax account
    };
    for (const Case& c : cases) {
        Opcine opc{.shifra = c.shifra, .rkont = "HR00", .racunporez = "9999999999"};
        kontrola(opc);
        EXPECT_EQ(opc.racunporez, c.racunporez) << c.shifra;
        EXPECT_EQ(opc.rkont, c.rkont) << c.shifra;
    }
}

TEST(CodeChecks, TheTwoFormsRefuseDifferentCodes) {
    struct Case {
        const char* shifra;
        CodeCheck form;           // the municipality form
        CodeCheck fromSelection;  // the form opened from the selection list
    } const cases[] = {
        {"", CodeCheck::Blank, CodeCheck::Blank},
        {"1a3", CodeCheck::NotNumeric, CodeCheck::NotNumeric},
        {" 13", CodeCheck::NotNumeric, CodeCheck::NotNumeric},
        {"12", CodeCheck::TooShort, CodeCheck::TooShort},
        {"012", CodeCheck::Accepted, CodeCheck::TooShort},
        {"099", CodeCheck::Accepted, CodeCheck::TooShort},
        {"0133", CodeCheck::Accepted, CodeCheck::Accepted},
        {"100", CodeCheck::Accepted, CodeCheck::Accepted},
        {"133 ", CodeCheck::Accepted, CodeCheck::Accepted},
        {"99404", CodeCheck::Accepted, CodeCheck::Accepted},  // a country abroad: no check digit
        {"12345", CodeCheck::FiveDigits, CodeCheck::FiveDigits},
        {"90404", CodeCheck::FiveDigits, CodeCheck::FiveDigits},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkCode(c.shifra), c.form) << '"' << c.shifra << '"';
        EXPECT_EQ(checkCodeFromSelection(c.shifra), c.fromSelection) << '"' << c.shifra << '"';
    }
    EXPECT_EQ(codeMessage(CodeCheck::TooShort), "Unesi četveroznamenkastu shifru grada ili barem prve tri znamenke");
}

TEST(CodeChecks, TheRegisterKeepsFourDigitsOfAMunicipalityAndFiveOfACountry) {
    struct Case {
        const char* typed;
        const char* kept;   // OPC:SHIFRA
        const char* joppd;  // fields 2 and 3 of the return
    } const cases[] = {
        {"01333", "1333", "01333"},
        {"1333", "1333", "01333"},
        {"99404", "99404", "99404"},
        {"99404 ", "99404", "99404"},
        {"012", "012", "0012"},  // short codes are left to the code check
    };
    for (const Case& c : cases) {
        EXPECT_EQ(registerCode(c.typed), c.kept) << c.typed;
        EXPECT_EQ(joppdCode(registerCode(c.typed)), c.joppd) << c.typed;
    }
    EXPECT_EQ(codeMessage(CodeCheck::FiveDigits), "Peteroznamenkasta šifra je šifra države u inozemstvu i počinje s 99");
}

TEST(CheckDigits, OibAndIban) {
    for (const char* oib : {"69435151530", "12345678903", "94577403194", "00000000001"}) EXPECT_TRUE(validOib(oib)) << oib;
    for (const char* oib : {"69435151531", "6943515153", "694351515300", "6943515153a", "", "1234567890 "})
        EXPECT_FALSE(validOib(oib)) << oib;
    EXPECT_EQ(hrIbanCheck("1234567", "1234567890"), "HR35");
    EXPECT_EQ(hrIbanCheck("1234567", "0000000003"), "HR08");
    EXPECT_EQ(hrIbanCheck("1001005", "1713312009"), "HR11");
}

TEST(EntryChecks, AnAccountGetsItsCheckDigitsOnlyWhenBankCodeAndAccountAreWhole) {
    const Banke bank{.oznaka = 1, .vodecibroj = "1234567"};
    const Banke shortCode{.oznaka = 2, .vodecibroj = "123456"};
    EXPECT_EQ(accountCheck(&bank, "1234567890").rkont, "HR35");
    EXPECT_FALSE(accountCheck(&bank, "1234567890").notice);
    for (const auto& c : {accountCheck(&bank, ""), accountCheck(nullptr, "1234567890")}) {
        EXPECT_FALSE(c.rkont);  // blank account or no bank: unchanged, silent
        EXPECT_FALSE(c.notice);
    }
    for (const auto& c : {accountCheck(&bank, "123456789"), accountCheck(&shortCode, "1234567890")}) {
        EXPECT_FALSE(c.rkont);
        EXPECT_TRUE(c.notice);
    }
    EXPECT_FALSE(oibNotice(""));
    EXPECT_FALSE(oibNotice("69435151530"));
    EXPECT_TRUE(oibNotice("69435151531"));
}

}  // namespace
}  // namespace pramo
