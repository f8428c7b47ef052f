// A relation by a code rather than a number: a municipality's tax rates follow its official code.
// A municipality whose code has rates is neither deleted nor given another code (the rates are
// those of the code); without rates, or when only other fields change, the operation goes through.

#include <gtest/gtest.h>

#include <functional>

#include "integrity_fixture.h"
#include "records/layouts/stopeopcina.h"

namespace pramo {
namespace {

class IntegrityCodeLink : public test::IntegrityTest {
protected:
    void SetUp() override {
        IntegrityTest::SetUp();
        if (IsSkipped()) return;
        s.add(Opcine{.oznaka = 2, .shifra = "0133", .naziv = "Bakar"});
        s.add(Opcine{.oznaka = 3, .shifra = "0999", .naziv = "Bez stopa"});
        s.add(Stopeopcina{.oznaka = 1, .opcina = "0133", .vrijediod = *Date::fromYmd(2025, 3, 1), .nizastopa = Rate::whole(20)});
        s.add(Stopeopcina{.oznaka = 2, .opcina = "0133", .vrijediod = *Date::fromYmd(2026, 1, 1), .nizastopa = Rate::whole(22)});
    }
};

TEST_P(IntegrityCodeLink, RatesFollowTheMunicipalitysCode) {
    const std::string restricted = "This record is referenced from the file stopeopcina.";
    struct Case {
        const char* what;
        std::function<RiResult(Opcine&)> operation;
        std::int32_t municipality;
        RiResult result;
        const char* shifraAfter;  // the code in the buffer afterwards
    };
    const std::vector<Case> cases{
        {"delete with rates", [&](Opcine& o) { return s.ri.remove(o); }, 2, RiResult::Refused, "0133"},
        {"new code with rates", [&](Opcine& o) { o.shifra = "0134"; return s.ri.update(o); }, 2, RiResult::Refused, "0133"},
        {"new name with rates", [&](Opcine& o) { o.naziv = "BAKAR"; return s.ri.update(o); }, 2, RiResult::Done, "0133"},
        {"new code without rates", [&](Opcine& o) { o.shifra = "0998"; return s.ri.update(o); }, 3, RiResult::Done, "0998"},
        {"delete without rates", [&](Opcine& o) { return s.ri.remove(o); }, 3, RiResult::Done, "0998"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Opcine opc = read<Opcine>(c.municipality);
        s.ri.snap(opc);
        EXPECT_EQ(c.operation(opc), c.result);
        EXPECT_EQ(opc.shifra.str(), c.shifraAfter);
        if (c.result == RiResult::Refused) {
            EXPECT_NE(test::lastBox(s).find(restricted), std::string::npos) << test::lastBox(s);
        }
    }
    EXPECT_EQ(s.count(Stopeopcina::table), 2);
    EXPECT_EQ(s.count(Opcine::table), 2);
    EXPECT_EQ(read<Opcine>(2).naziv.str(), "BAKAR");
}

PRAMO_ON_BOTH_ENGINES(IntegrityCodeLink);

}  // namespace
}  // namespace pramo
