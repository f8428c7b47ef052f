#include <gtest/gtest.h>

#include "engine_cases.h"

namespace pramo {
namespace {

using test::EngineCase;

std::int64_t raw(const Lines& l, Pozicija p) { return l[p].raw(); }

TEST(Engine, Cases) {
    for (const EngineCase& c : test::loadEngineCases()) {
        SCOPED_TRACE(c.id);
        const test::EngineRun r = test::run(c);
        for (const auto& [name, value] : c.expected) EXPECT_EQ(test::valueOf(r, name), value) << name;
    }
}

// What every stored calculation must satisfy, whatever the rates.
TEST(Engine, LinesAddUp) {
    for (const EngineCase& c : test::loadEngineCases()) {
        const test::EngineRun r = test::run(c);
        if (r.flags.overflow) continue;
        const Lines& l = r.lines;
        using enum Pozicija;
        EXPECT_EQ(raw(l, Bruto), raw(l, Neto) + raw(l, MirovinskoI) + raw(l, MirovinskoII) + raw(l, Porez) + raw(l, Prirez)) << c.id;
        EXPECT_EQ(raw(l, Osnovica), raw(l, Bruto) - raw(l, NeoporeziviDio) - raw(l, PriznatiTroskovi)) << c.id;
        EXPECT_EQ(l[Pozicija::Neto], c.bruto ? r.loc.neto : c.neto) << c.id;
        if (!c.terms.visestopa) {
            EXPECT_EQ(raw(l, Pozicija::Dohodak), raw(l, Pozicija::Osnovica) - raw(l, Pozicija::MirovinskoI) - raw(l, Pozicija::MirovinskoII)) << c.id;
        }
    }
}

// Halves round away from zero, so a negative net gives the same lines with the sign turned (the
// surtax-0 rule and the allowance are not symmetric, so those cases are left out).
TEST(Engine, NegativeNetMirrorsPositive) {
    for (const EngineCase& c : test::loadEngineCases()) {
        if (c.bruto || c.terms.visestopa || c.terms.stopaprireza.isZero()) continue;
        const test::EngineRun r = test::run(c);
        if (r.flags.any()) continue;
        EngineCase mirrored = c;
        mirrored.neto = Money::fromRaw(-c.neto.raw());
        const test::EngineRun m = test::run(mirrored);
        for (int p = 1; p <= calculatedPositions; ++p) EXPECT_EQ(m.lines.at(p).raw(), -r.lines.at(p).raw()) << c.id << " " << p;
    }
}

TEST(Engine, CrisisTax) {
    struct Row {
        const char* neto;
        int year;
        const char* kriznica;
        const char* poslije;
    };
    const Row rows[] = {{"6000.01", 2010, "240.00", "5760.01"},
                        {"6012.38", 2009, "240.50", "5771.88"},  // 240.4952
                        {"6012.38", 2011, "0.00", "6012.38"},
                        {"6000.00", 2010, "0.00", "6000.00"}};
    for (const Row& row : rows) {
        Loc loc;
        loc.neto = *Money::parse(row.neto);
        loc.kstopa = crisisRate(loc.neto, row.year);
        Flags flags;
        const CrisisLines k = kriznica(loc, flags);
        EXPECT_EQ(k.kriznica.toString(), row.kriznica) << row.neto << " " << row.year;
        EXPECT_EQ(k.poslijeKriznice.toString(), row.poslije) << row.neto << " " << row.year;
        EXPECT_EQ(loc.kriznica, k.kriznica);
    }
}

// The multiple-rate calculation leaves the crisis-tax rate of the previous calculation alone.
TEST(Engine, MultipleRatesKeepTheCrisisRate) {
    Terms t;
    t.visestopa = true;
    t.brackets = {{*Rate::parse("12"), *Amount9::parse("2200")}};
    Loc loc;
    loc.kstopa = CrisisRate::whole(4);
    Flags flags;
    visestopa(t, *Money::parse("7000"), loc, flags);
    EXPECT_EQ(loc.kstopa, CrisisRate::whole(4));
}

}  // namespace
}  // namespace pramo
