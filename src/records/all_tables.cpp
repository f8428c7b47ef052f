#include "records/all_tables.h"

#include "records/banke.h"
#include "records/detkriz.h"
#include "records/dohoci.h"
#include "records/id1.h"
#include "records/isplate.h"
#include "records/jopo.h"
#include "records/jopozije.h"
#include "records/kriznica.h"
#include "records/mjesta.h"
#include "records/neoporez.h"
#include "records/obracun.h"
#include "records/opcine.h"
#include "records/osobe.h"
#include "records/param.h"
#include "records/porstope.h"
#include "records/pozicije.h"
#include "records/subjekti.h"
#include "records/svasta.h"
#include "records/ulice.h"
#include "records/uplatnirn.h"
#include "records/vbrat.h"
#include "records/vrstedoh.h"

namespace pramo {

const std::vector<const TableDef*>& allTables() {
    static const std::vector<const TableDef*> tables{
        &Isplate::table, &Dohoci::table,   &Obracun::table,  &Svasta::table,   &Vrstedoh::table, &Osobe::table,
        &Subjekti::table, &Opcine::table,  &Mjesta::table,   &Pozicije::table, &Porstope::table, &Ulice::table,
        &Banke::table,   &Neoporez::table, &Vbrat::table,    &Jopo::table,     &Id1::table,      &Kriznica::table,
        &Detkriz::table, &Param::table,    &Uplatnirn::table, &Jopozije::table};
    return tables;
}

const TableDef* tableNamed(std::string_view name) {
    for (const TableDef* t : allTables())
        if (t->name == name) return t;
    return nullptr;
}

}  // namespace pramo
