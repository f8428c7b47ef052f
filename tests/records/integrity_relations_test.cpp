// The declaration of the relations: every row well formed, the rows in their order, and the files
// each operation's transaction covers.

#include <gtest/gtest.h>

#include <algorithm>

#include "integrity_fixture.h"
#include "records/layouts/neoporez.h"
#include "records/layouts/relations.h"

namespace pramo {
namespace {

std::string rowText(const Relation& r) {
    return std::string(r.parent->name) + ">" + std::string(r.child->name) + "." + std::string(r.childField) +
           (r.onDelete == Rule::Cascade ? " C" : " R") + (r.onChange == Rule::Cascade ? "C" : "R");
}

TEST(IntegrityRelations, RowsInTheirOrder) {
    const std::vector<std::string> expected{
        "VRSTEDOH>DOHOCI.VRSTADOHOTKA RR", "ULICE>OSOBE.ULICA RR",          "ULICE>SUBJEKTI.ULICA RR",
        "SUBJEKTI>ID1.ISPLATITELJ CC",     "SUBJEKTI>ISPLATE.ISPLATITELJ RR", "SUBJEKTI>KRIZNICA.ISPLATITELJ CC",
        "OSOBE>DOHOCI.DJELATNIK RR",       "OPCINE>MJESTA.OPCINA RR",       "OPCINE>UPLATNIR.OPCINA CC",
        "OPCINE>STOPEOPCINA.OPCINA RR",
        "MJESTA>OSOBE.MJESTO RR",          "MJESTA>SUBJEKTI.MJESTO RR",     "KRIZNICA>DETKRIZ.KRIZNICA CC",
        "ISPLATE>DOHOCI.ISPLATA CC",       "ISPLATE>JOPO.ISPLATA CC",       "DOHOCI>OBRACUN.DOHODAK CC",
        "DOHOCI>SVASTA.DOHODAK CC",        "BANKE>OSOBE.BANKA RR",          "BANKE>SUBJEKTI.BANKA RR"};
    std::vector<std::string> rows;
    for (const Relation& r : relations()) rows.push_back(rowText(r));
    EXPECT_EQ(rows, expected);
}

// A link must hold every value of its parent's field, a key of the parent must find the parent by
// that field (its number key, or a key on its code), and the child key must find children by the link.
TEST(IntegrityRelations, EveryRowIsWellFormed) {
    for (const Relation& r : relations()) {
        SCOPED_TRACE(rowText(r));
        ASSERT_NE(r.parent->field(r.parentField), nullptr);
        ASSERT_NE(r.child->field(r.childField), nullptr);
        EXPECT_EQ(r.parentNumber().typeName(), r.link().typeName());
        const bool parentKeyed = std::ranges::any_of(r.parent->keys, [&](const KeyDef* k) { return k->parts.front().field == r.parentField; });
        EXPECT_TRUE(parentKeyed);
        EXPECT_EQ(r.childKey->table, r.child);
        EXPECT_EQ(r.childKey->parts.front().field, r.childField);
    }
}

TEST(IntegrityRelations, TransactionScopes) {
    const std::vector<std::pair<const TableDef*, std::string>> cases{
        {&Vrstedoh::table, "VRSTEDOH DOHOCI"},
        {&Ulice::table, "ULICE OSOBE SUBJEKTI"},
        {&Mjesta::table, "MJESTA OSOBE SUBJEKTI"},
        {&Banke::table, "BANKE OSOBE SUBJEKTI"},
        {&Subjekti::table, "SUBJEKTI DETKRIZ ID1 ISPLATE KRIZNICA"},
        {&Osobe::table, "OSOBE DOHOCI"},
        {&Opcine::table, "OPCINE MJESTA STOPEOPCINA UPLATNIR"},
        {&Kriznica::table, "KRIZNICA DETKRIZ"},
        {&Isplate::table, "ISPLATE DOHOCI JOPO OBRACUN SVASTA"},
        {&Dohoci::table, "DOHOCI OBRACUN SVASTA"},
        {&Param::table, "PARAM"},
        {&Obracun::table, "OBRACUN"},
        {&Neoporez::table, "NEOPOREZ"},
        {&Jopo::table, "JOPO"},
        {&Id1::table, "ID1"},
        {&Detkriz::table, "DETKRIZ"},
    };
    for (const auto& [table, expected] : cases) {
        std::string scope;
        for (const TableDef* t : transactionScope(*table)) scope += (scope.empty() ? "" : " ") + std::string(t->name);
        EXPECT_EQ(scope, expected);
    }
}

}  // namespace
}  // namespace pramo
