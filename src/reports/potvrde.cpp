#include "reports/potvrde.h"

#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "reports/potvrde_pages.h"
#include "reports/tax_rates_taken.h"

namespace pramo {
namespace {

using PageMaker = std::function<std::vector<Page>()>;

// One payee: a pass over the payee's items, whichever payer paid them. A payee without any item
// gets no certificate; one with items, none of them the payer's in the year, gets an empty one.
ReportResult onePayee(ReportContext& rc, Progress& progress, CertificateCollector& collector, ItemReader& items,
                      const PageMaker& pages) {
    const std::int32_t payee = rc.args.payee;
    const Dohoci from{.djelatnik = payee};
    ItemContext item;
    return runReport<Dohoci>(rc.store(), progress, sameNumber(Dohoci::keyDjelatnik, from), [&](const Dohoci& doh) {
        std::optional<Isplate> isp;
        if (const StoreCode c = items.read(doh, item); !ok(c)) return c;
        collector.certificateOf(item);
        if (const StoreCode c = readLinked(rc.store(), doh.isplata, isp); !ok(c) || !isp) return c;
        return collector.addItem(item, *isp);
    }, pages);
}

// Every payee: a pass over the payer's payments of the year and their items.
ReportResult allPayees(ReportContext& rc, Progress& progress, CertificateCollector& collector, ItemReader& items,
                       const PageMaker& pages) {
    const std::int32_t payer = rc.args.payer;
    const int year = rc.args.year;
    const Isplate from{.isplatitelj = payer};
    const Pass<Isplate> pass{.key = Isplate::keyIsplatitelj, .from = &from,
                             .within = [payer](const Isplate& isp) { return isp.isplatitelj == payer; },
                             .filter = [year](const Isplate& isp) { return !isp.datum.isNull() && isp.datum.year() == year; }};
    return runReport<Isplate>(rc.store(), progress, pass,
                              [&](const Isplate& isp) {
                                  return items.forPayment(isp.oznaka, [&](const ItemContext& item) {
                                      return collector.addItem(item, isp);
                                  });
                              },
                              pages);
}

}  // namespace

ReportResult ispisPotvrde(ReportContext& rc, Progress& progress, CertificateKind kind) {
    CertificateRun run{.kind = kind, .year = rc.args.year};
    CertificateCollector collector(rc.store(), rc.args.payer, run);
    const TableDef* failed = nullptr;
    if (const StoreCode c = collector.start(rc.args.reportDate.value_or(rc.clock.today()), failed); !ok(c))
        return named({RunEnd::Failed, {}, c, {}}, failed);
    ItemReader items(rc.store(), certificateItem);
    const PageMaker pages = [&] { return certificatePages(collector.finish(), run, rc.sink); };
    const ReportResult r = rc.args.payee != 0 ? onePayee(rc, progress, collector, items, pages)
                                              : allPayees(rc, progress, collector, items, pages);
    return refusedIf(named(collector.named(r), items.failed()), collector.overflowed() ? sumTooLarge : "");
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
