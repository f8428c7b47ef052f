#include "reports/potvrde.h"

#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "reports/potvrde_pages.h"
#include "reports/tax_rates_taken.h"

namespace pramo {
namespace {

using PageMaker = std::function<std::vector<Page>()>;

// One payee: a pass over the payee's items, whichever payer paid them. A payee without any item
// gets no certificate; one with items, none of them the payer's in the year, gets an empty one.
ReportResult onePayee(ReportContext& rc, Progress& progress, CertificateCollector& collector, ReportReads& reads,
                      const PageMaker& pages) {
    const std::int32_t payee = rc.args.payee;
    const Dohoci from{.djelatnik = payee};
    const Pass<Dohoci> pass{.key = Dohoci::keyDjelatnik, .from = &from,
                            .within = [payee](const Dohoci& doh) { return doh.djelatnik == payee; }};
    return runReport<Dohoci>(rc.store(), progress, pass, [&](const Dohoci& doh) {
        Certificate* cert = nullptr;
        std::optional<Isplate> isp;
        if (const StoreCode c = collector.certificateOf(payee, cert); !ok(c)) return c;
        if (const StoreCode c = reads.linked(doh.isplata, isp); !ok(c) || !isp) return c;
        return collector.addItem(doh, *isp);
    }, pages);
}

// Every payee: a pass over the payer's payments of the year and their items.
ReportResult allPayees(ReportContext& rc, Progress& progress, CertificateCollector& collector, ReportReads& reads,
                       const PageMaker& pages) {
    const std::int32_t payer = rc.args.payer;
    const int year = rc.args.year;
    const Isplate from{.isplatitelj = payer};
    const Pass<Isplate> pass{.key = Isplate::keyIsplatitelj, .from = &from,
                             .within = [payer](const Isplate& isp) { return isp.isplatitelj == payer; },
                             .filter = [year](const Isplate& isp) { return !isp.datum.isNull() && isp.datum.year() == year; }};
    return runReport<Isplate>(rc.store(), progress, pass,
                              [&](const Isplate& isp) {
                                  return forPaymentItems(reads, isp.oznaka, [&](const Dohoci& doh) { return collector.addItem(doh, isp); });
                              },
                              pages);
}

}  // namespace

ReportResult ispisPotvrde(ReportContext& rc, Progress& progress, CertificateKind kind) {
    ReportReads reads(rc.store());
    CertificateRun run{.kind = kind, .year = rc.args.year};
    CertificateCollector collector(reads, rc.args.payer, run);
    if (const StoreCode c = collector.start(rc.args.reportDate.value_or(rc.clock.today())); !ok(c)) {
        return reads.named({RunEnd::Failed, {}, c, {}});
    }
    const PageMaker pages = [&] { return certificatePages(collector.finish(), run); };
    return reads.named(rc.args.payee != 0 ? onePayee(rc, progress, collector, reads, pages)
                                          : allPayees(rc, progress, collector, reads, pages));
}

namespace {

const std::vector<const TableDef*> certificateFiles =
    withRateFiles({&Isplate::table, &Dohoci::table, &Obracun::table, &Vrstedoh::table, &Subjekti::table,
                   &Osobe::table, &Mjesta::table, &Ulice::table});
const std::vector<ArgSpec> certificateArgs{{ReportArg::Payer}, {ReportArg::Year}, {ReportArg::Payee, false},
                                           {ReportArg::ReportDate, false}};

}  // namespace

const ReportSpec potvrdeReport{
    .name = "potvrde",
    .title = QStringLiteral("Potvrde o isplaćenom dohotku"),
    .preview = PreviewKind::Full,
    .files = certificateFiles,
    .args = certificateArgs,
    .summary = "potvrde o isplaćenim primicima isplatitelja za godinu, za jednog primatelja ili sve (dvanaest stupaca za 2009. i 2010.)",
    .run = [](ReportContext& rc, Progress& p) { return ispisPotvrde(rc, p, certificateKindFor(rc.args.year)); },
};

const ReportSpec potvrdeSKriznicomReport{
    .name = "potvrde-kriznica",
    .title = QStringLiteral("Potvrde o isplaćenom dohotku s posebnim porezom"),
    .preview = PreviewKind::Full,
    .files = certificateFiles,
    .args = certificateArgs,
    .summary = "potvrde sa stupcem posebnog poreza, za bilo koju godinu",
    .run = [](ReportContext& rc, Progress& p) { return ispisPotvrde(rc, p, CertificateKind::WithCrisisTax); },
};

}  // namespace pramo
