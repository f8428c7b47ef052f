// The values a report is run for, read from their command-line options: each fills its own
// member, and a text outside its range is refused naming the option.

#include <gtest/gtest.h>

#include <functional>

#include "documents/report_args.h"

namespace pramo {
namespace {

TEST(ReportArgs, EachOptionFillsItsMember) {
    const struct {
        const char* option;
        const char* text;
        std::function<bool(const ReportArgs&)> filled;
    } cases[] = {
        {"--payer", "7", [](const ReportArgs& a) { return a.payer == 7; }},
        {"--payee", "0", [](const ReportArgs& a) { return a.payee == 0; }},
        {"--payment", "2147483647", [](const ReportArgs& a) { return a.payment == 2147483647; }},
        {"--item", "3", [](const ReportArgs& a) { return a.item == 3; }},
        {"--submission", "4", [](const ReportArgs& a) { return a.submission == 4; }},
        {"--header", "5", [](const ReportArgs& a) { return a.header == 5; }},
        {"--return", "6", [](const ReportArgs& a) { return a.kriznica == 6; }},
        {"--param", "0", [](const ReportArgs& a) { return a.param == 0; }},
        {"--year", "2999", [](const ReportArgs& a) { return a.year == 2999; }},
        {"--month", "12", [](const ReportArgs& a) { return a.month == 12; }},
        {"--printer", "M", [](const ReportArgs& a) { return a.printer == PrinterKind::Matrix; }},
        {"--date", "29.02.2016", [](const ReportArgs& a) { return a.reportDate == Date::fromYmd(2016, 2, 29); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        const ArgOption* o = argOption(c.option);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(&argOption(o->arg), o);  // the table stands in the order of ReportArg
        ReportArgs args{.payer = 1, .payee = 1, .param = 1, .printer = PrinterKind::Laser};
        EXPECT_EQ(o->read(c.text, args), std::nullopt);
        EXPECT_TRUE(c.filled(args));
    }
}

TEST(ReportArgs, TextsOutsideTheirRangeAreRefusedByName) {
    const struct {
        const char* option;
        const char* text;
        const char* refusal;
    } cases[] = {
        {"--payer", "0", "--payer traži cijeli broj od 1 do 2147483647, a ne '0'"},
        {"--payee", "-1", "--payee traži cijeli broj od 0 do 2147483647, a ne '-1'"},
        {"--payment", "2147483648", "--payment traži cijeli broj od 1 do 2147483647, a ne '2147483648'"},
        {"--year", "1899", "--year traži cijeli broj od 1900 do 2999, a ne '1899'"},
        {"--month", "13", "--month traži cijeli broj od 1 do 12, a ne '13'"},
        {"--month", "1x", "--month traži cijeli broj od 1 do 12, a ne '1x'"},
        {"--return", "", "--return traži cijeli broj od 1 do 2147483647, a ne ''"},
        {"--printer", "laser", "--printer traži M (matrični) ili L (laserski), a ne 'laser'"},
        {"--date", "30.02.2016", "--date traži dan kao DD.MM.GGGG, a ne '30.02.2016'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.text);
        ReportArgs args;
        EXPECT_EQ(argOption(c.option)->read(c.text, args), c.refusal);
    }
}

}  // namespace
}  // namespace pramo
