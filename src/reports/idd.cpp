#include "reports/idd.h"

#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "records/values/currency.h"
#include "reports/idd_page.h"
#include "reports/report_text.h"
#include "reports/tax_rates_taken.h"

namespace pramo {
namespace {

StoreCode readHeader(const ReportContext& rc, Store& store, IddHeader& h, const TableDef*& failed) {
    h.uMjesecu = QStringLiteral("%1.  %2.").arg(rc.args.month).arg(rc.args.year);
    h.iznosi = QStringLiteral("(iznosi u ") + pageText(currencyOfMonth(rc.args.year, rc.args.month).inUnits) + u')';
    h.datumSastavljanja = pageText(rc.clock.today().toString());
    PayerContext p;
    if (const StoreCode c = readPayer(store, rc.args.payer, {.place = true, .street = true}, p, failed); !ok(c) || !p.sub) return c;
    h.naziv = pageText(p.sub->naziv.view());
    h.porezniBroj = pageText(p.sub->oib.blank() ? p.sub->poreznibroj.view() : p.sub->oib.view());
    h.adresa = pageText(addressOf(p, p.sub->kucnibroj.view()));
    return StoreCode::Ok;
}

}  // namespace

ReportResult idd(ReportContext& rc, Progress& progress) {
    IddHeader header;
    const TableDef* failed = nullptr;
    if (const StoreCode c = readHeader(rc, rc.store(), header, failed); !ok(c)) return named({RunEnd::Failed, {}, c, {}}, failed);
    const std::int32_t payer = rc.args.payer;
    const int year = rc.args.year, month = rc.args.month;
    const Isplate from{.isplatitelj = payer};
    const Pass<Isplate> pass{.key = Isplate::keyIsplatitelj, .from = &from,
                             .within = [payer](const Isplate& isp) { return isp.isplatitelj == payer; }};
    ItemReader items(rc.store(), {.type = true, .lines = true});
    ReportReads reads(rc.store());  // the municipal rates taken
    IddFigures figures;
    RatesTaken rates;
    const ReportResult r = runReport<Isplate>(
        rc.store(), progress, pass,
        [&](const Isplate& isp) {
            if (isp.datum.isNull() || isp.datum.year() != year || isp.datum.month() != month) return StoreCode::Ok;
            return items.forPayment(isp.oznaka, [&](const ItemContext& item) {
                std::optional<TaxRateTaken> rate;
                if (const StoreCode c = municipalRateOf(reads, item.doh, rate); !ok(c)) return c;
                figures.addItem(item.vrs ? item.vrs->stupacidd : 0, PositionSums(item.lines));  // a type not in its register: no column
                rates.add(rate);
                return StoreCode::Ok;
            });
        },
        [&] {
            header.porezStope = rates.text();
            return std::vector<Page>{iddPage(header, figures)};
        });
    return refusedIf(named(reads.named(r), items.failed()), figures.overflowed() ? sumTooLarge : "");
}

const ReportSpec iddReport{
    .name = "idd",
    .title = QStringLiteral("Obrazac IDD"),
    .preview = PreviewKind::Full,
    .files = withRateFiles({&Isplate::table, &Dohoci::table, &Obracun::table, &Vrstedoh::table, &Subjekti::table,
                            &Mjesta::table, &Ulice::table}),
    .args = {{ReportArg::Payer}, {ReportArg::Year}, {ReportArg::Month}},
    .summary = "obrazac IDD isplatitelja za mjesec: drugi dohodak, doprinosi, porez i prirez po vrsti primitka",
    .run = idd,
};

}  // namespace pramo
