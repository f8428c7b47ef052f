#include "records/layouts/relations.h"

#include <algorithm>
#include <set>

#include "records/values/text.h"

#include "records/layouts/banke.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/stopeopcina.h"
#include "records/layouts/svasta.h"
#include "records/layouts/ulice.h"
#include "records/layouts/uplatnirn.h"
#include "records/layouts/vrstedoh.h"

namespace pramo {
namespace {

constexpr Rule R = Rule::Restrict;
constexpr Rule C = Rule::Cascade;

// Only addresses of the declarations are taken here, so the order in which the files' statics are
// initialised does not matter.
const Relation all[] = {
    {&Vrstedoh::table, &Dohoci::table, "OZNAKA", "VRSTADOHOTKA", &Dohoci::keyVrstaDohotka, R, R},
    {&Ulice::table, &Osobe::table, "OZNAKA", "ULICA", &Osobe::keyUlica, R, R},
    {&Ulice::table, &Subjekti::table, "OZNAKA", "ULICA", &Subjekti::keyUlica, R, R},
    {&Subjekti::table, &Id1::table, "OZNAKA", "ISPLATITELJ", &Id1::keyIsplatitelj, C, C},
    {&Subjekti::table, &Isplate::table, "OZNAKA", "ISPLATITELJ", &Isplate::keyIsplatitelj, R, R},
    {&Subjekti::table, &Kriznica::table, "OZNAKA", "ISPLATITELJ", &Kriznica::keyIsplatitelj, C, C},
    {&Osobe::table, &Dohoci::table, "OZNAKA", "DJELATNIK", &Dohoci::keyDjelatnik, R, R},
    {&Opcine::table, &Mjesta::table, "OZNAKA", "OPCINA", &Mjesta::keyOpcina, R, R},
    {&Opcine::table, &Uplatnirn::table, "OZNAKA", "OPCINA", &Uplatnirn::keyOpcina, C, C},
    // The rates are the official ones of the code: a municipality whose code has rates keeps it.
    {&Opcine::table, &Stopeopcina::table, "SHIFRA", "OPCINA", &Stopeopcina::keyOpcinaDatum, R, R},
    {&Mjesta::table, &Osobe::table, "OZNAKA", "MJESTO", &Osobe::keyMjesto, R, R},
    {&Mjesta::table, &Subjekti::table, "OZNAKA", "MJESTO", &Subjekti::keyMjesto, R, R},
    {&Kriznica::table, &Detkriz::table, "OZNAKA", "KRIZNICA", &Detkriz::keyKriznica, C, C},
    {&Isplate::table, &Dohoci::table, "OZNAKA", "ISPLATA", &Dohoci::keyIsplata, C, C},
    {&Isplate::table, &Jopo::table, "OZNAKA", "ISPLATA", &Jopo::keyIsplata, C, C},
    {&Dohoci::table, &Obracun::table, "OZNAKA", "DOHODAK", &Obracun::keyDohodak, C, C},
    {&Dohoci::table, &Svasta::table, "OZNAKA", "DOHODAK", &Svasta::keyDohodak, C, C},
    {&Banke::table, &Osobe::table, "OZNAKA", "BANKA", &Osobe::keyBanka, R, R},
    {&Banke::table, &Subjekti::table, "OZNAKA", "BANKA", &Subjekti::keyBanka, R, R},
};

void collectScope(const TableDef& t, std::set<const TableDef*>& out) {
    for (const Relation* r : relationsOf(t)) {
        out.insert(r->child);
        if (r->onDelete == Rule::Cascade || r->onChange == Rule::Cascade) collectScope(*r->child, out);
    }
}

}  // namespace

std::span<const Relation> relations() { return all; }

std::vector<const Relation*> relationsOf(const TableDef& parent) {
    std::vector<const Relation*> out;
    for (const Relation& r : all)
        if (r.parent == &parent) out.push_back(&r);
    return out;
}

std::vector<const FieldDef*> parentFields(const TableDef& parent) {
    std::vector<const FieldDef*> out;
    for (const Relation* r : relationsOf(parent))
        if (std::find(out.begin(), out.end(), &r->parentNumber()) == out.end()) out.push_back(&r->parentNumber());
    return out;
}

std::string linkValue(const FieldDef& f, const void* rec) {
    return f.isText() ? std::string(utf8::trimRight(f.getText(rec))) : std::to_string(f.getInt(rec));
}

void setLinkValue(const FieldDef& f, void* rec, const std::string& value) {
    if (f.isText()) f.setText(rec, value);
    else f.setInt(rec, std::stoll(value));
}

bool linksNothing(const FieldDef& f, const std::string& value) { return f.isText() && value.empty(); }

std::vector<const TableDef*> transactionScope(const TableDef& t) {
    std::set<const TableDef*> children;
    collectScope(t, children);
    children.erase(&t);
    std::vector<const TableDef*> out(children.begin(), children.end());
    std::sort(out.begin(), out.end(), [](const TableDef* a, const TableDef* b) { return a->name < b->name; });
    out.insert(out.begin(), &t);
    return out;
}

}  // namespace pramo
