#include "reports/primatelji_ispis.h"

#include "records/layouts/dohoci.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "records/values/number_format.h"
#include "reports/listing.h"
#include "reports/report_text.h"

namespace pramo {
namespace {

const ListingLayout& layout() {
    static const ListingLayout l{
        .title = primateljiIsplateReport.title,
        .columns = {{QStringLiteral("R.br."), 12.0, 10.0, Align::Right}, {QStringLiteral("Primatelj"), 26.0, 64.0},
                    {QStringLiteral("OIB"), 92.0, 26.0}, {QStringLiteral("Mjesto"), 120.0, 44.0},
                    {QStringLiteral("Neto"), 166.0, 32.0, Align::Right}},
    };
    return l;
}

// The item's row; a payee or a place not in its register leaves its cells blank.
StoreCode addRow(ReportReads& reads, const Dohoci& doh, ReportBuilder& builder) {
    std::optional<Osobe> oso;
    std::optional<Mjesta> mje;
    StoreCode c = reads.linked(doh.djelatnik, oso);
    if (ok(c) && oso) c = reads.linked(oso->mjesto, mje);
    if (!ok(c)) return c;
    builder.add(listingRow(layout(), {QString::number(doh.rednibroj), oso ? personName(oso->ime.view(), oso->prezime.view()) : QString(),
                                      oso ? pageText(oso->oib.view()) : QString(), mje ? pageText(mje->naziv.view()) : QString(),
                                      pageText(printAmount(doh.neto))}));
    return StoreCode::Ok;
}

ReportResult primateljiIsplate(ReportContext& rc, Progress& progress) {
    ReportReads reads(rc.store());
    const Dohoci from{.isplata = rc.args.payment};
    return reads.named(runBuilt<Dohoci>(rc.store(), progress, sameNumber(Dohoci::keyIsplata, from),
                                        listingBuilder(layout(), rc.sink),
                                        [&](const Dohoci& doh, ReportBuilder& builder) { return addRow(reads, doh, builder); }));
}

}  // namespace

const ReportSpec primateljiIsplateReport{
    .name = "primatelji",
    .title = QStringLiteral("Primatelji isplate"),
    .files = {&Dohoci::table, &Osobe::table, &Mjesta::table},
    .args = {{ReportArg::Payment}},
    .summary = "primatelji isplate, redak po stavci dohotka s isplaćenim netom",
    .run = primateljiIsplate,
};

}  // namespace pramo
