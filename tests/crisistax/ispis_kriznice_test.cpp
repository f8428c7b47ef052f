#include "crisistax/ispis_kriznice.h"

#include <QFile>

#include "crisis_office.h"
#include "preview/page_text.h"
#include "support/run_command.h"

namespace pramo {
namespace {

using test::money;

class IspisKriznice : public test::CrisisOffice {
protected:
    ReportResult print(std::int32_t kriznica) {
        ReportArgs args;
        args.kriznica = kriznica;
        SilentProgress progress;
        return runDeclaredReport(ispisKrizniceReport, data.files, args, office.clock(), progress);
    }
    // The page's lines with runs of blanks collapsed.
    static QStringList textOf(const ReportResult& r) {
        QStringList lines;
        for (const Page& p : r.pages) {
            for (const QString& l : pageAsText(p)) lines << l.simplified();
        }
        return lines;
    }
    void addLine(std::uint8_t vrsta, std::int16_t broj, const char* osnovica, const char* iznos) {
        office.add(Detkriz{.kriznica = 1, .vrsta = vrsta, .broj = broj, .osnovica = money(osnovica), .iznos = money(iznos)});
    }
};

// Four kind rows and the total, blank where zero; the total is added up by hand.
TEST_F(IspisKriznice, FourKindRowsAndTheTotal) {
    const struct {
        const char* name;
        bool withLines;
        std::vector<QString> rows;
    } cases[] = {
        {"a return without lines", false,
         {"1. Plaća", "2. Mirovina", "3. Drugi dohodak", "4. Dividende i udjeli u kapitalu", "Ukupno"}},
        {"a return with lines of kinds 1, 3 and 4", true,
         {"1. Plaća 3 12.345,67 493,83", "2. Mirovina", "3. Drugi dohodak 2 25.000,75 1.000,03",
          "4. Dividende i udjeli u kapitalu 1 1.000.000,00 40.000,00", "Ukupno 6 1.037.346,42 41.493,86"}},
    };
    addReturn(1, 1, "2010", 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.withLines) {
            addLine(1, 3, "12345.67", "493.83");
            addLine(3, 2, "25000.75", "1000.03");
            addLine(4, 1, "1000000.00", "40000.00");
        }
        const ReportResult r = print(1);
        ASSERT_EQ(r.end, RunEnd::Pages);
        ASSERT_EQ(r.pages.size(), 1u);
        const QStringList lines = textOf(r);
        for (const QString& row : c.rows) EXPECT_TRUE(lines.contains(row)) << row.toStdString() << "\n" << lines.join('\n').toStdString();
    }
}

TEST_F(IspisKriznice, PayerMonthAndPlaceOfPrinting) {
    addReturn(1, 1, "2010", 3);
    const QString text = textOf(print(1)).join('\n');
    for (const char* s : {"Obrazac IPP", "IZVJEŠĆE O POSEBNOM POREZU NA PLAĆE, MIROVINE I DRUGE PRIMITKE",
                          "u 3. mjesecu 2010. godine", "1. Naziv / ime i prezime Pramo d.o.o.", "2. Adresa Zagreb, Ilica 1",
                          "3. Porezni broj 12345678903", "Broj Porezna osnovica Iznos posebnog poreza",
                          "stjecatelja (u kunama i lipama) (u kunama i lipama)", "1 2 3 4 5", "Zagreb, 10.04.2010",
                          "M.P.", "(potpis ovlaštene osobe)"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
    }
}

// The amounts are named in the currency of the return's month.
TEST_F(IspisKriznice, TheCurrencyOfTheMonth) {
    addReturn(1, 1, "2023", 1);
    const QString text = textOf(print(1)).join('\n');
    EXPECT_TRUE(text.contains("stjecatelja (u eurima i centima) (u eurima i centima)")) << text.toStdString();
}

TEST_F(IspisKriznice, AReturnThatDoesNotExistPrintsNothing) {
    addReturn(1, 1, "2010", 3);
    EXPECT_EQ(print(2).end, RunEnd::NothingToPrint);
}

TEST_F(IspisKriznice, FromTheCommandLine) {
    addReturn(1, 1, "2010", 3);
    addLine(3, 2, "25000.75", "1000.03");
    const std::string dir = data.dir.path().string();
    const auto report = [&](const char* kriznica, const std::string& file) {
        return test::runCommand(PRAMO_CLI, {"report", "kriznica", "--return", kriznica, "--data", dir, "--text", file});
    };
    const std::string made = data.dir.file("ipp.txt");
    ASSERT_EQ(report("1", made).exitCode, 0);
    QFile f(QString::fromStdString(made));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(f.readAll()).simplified().contains("3. Drugi dohodak 2 25.000,75 1.000,03"));
    const std::string none = data.dir.file("none.txt");
    EXPECT_EQ(report("9", none).exitCode, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(none)));
}

}  // namespace
}  // namespace pramo
