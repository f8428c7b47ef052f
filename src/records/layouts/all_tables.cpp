#include "records/layouts/all_tables.h"

#include "records/layouts/banke.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/jopozije.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/neoporez.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/param.h"
#include "records/layouts/porstope.h"
#include "records/layouts/pozicije.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/stopeopcina.h"
#include "records/layouts/svasta.h"
#include "records/layouts/ulice.h"
#include "records/layouts/uplatnirn.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"

namespace pramo {

const std::vector<const TableDef*>& allTables() {
    static const std::vector<const TableDef*> tables{
        &Isplate::table, &Dohoci::table,   &Obracun::table,  &Svasta::table,   &Vrstedoh::table, &Osobe::table,
        &Subjekti::table, &Opcine::table,  &Mjesta::table,   &Pozicije::table, &Porstope::table, &Ulice::table,
        &Banke::table,   &Neoporez::table, &Vbrat::table,    &Jopo::table,     &Id1::table,      &Kriznica::table,
        &Detkriz::table, &Param::table,    &Uplatnirn::table, &Jopozije::table, &Stopeopcina::table};
    return tables;
}

}  // namespace pramo
