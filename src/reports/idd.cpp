#include "reports/idd.h"

#include <map>

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

StoreCode readHeader(ReportReads& reads, const ReportContext& rc, IddHeader& h) {
    h.uMjesecu = QStringLiteral("%1.  %2.").arg(rc.args.month).arg(rc.args.year);
    h.iznosi = QStringLiteral("(iznosi u ") + pageText(currencyOfMonth(rc.args.year, rc.args.month).inUnits) + u')';
    h.datumSastavljanja = pageText(rc.clock.today().toString());
    std::optional<Subjekti> sub;
    if (const StoreCode c = reads.linked(rc.args.payer, sub); !ok(c) || !sub) return c;
    h.naziv = pageText(sub->naziv.view());
    h.porezniBroj = pageText(sub->oib.blank() ? sub->poreznibroj.view() : sub->oib.view());
    return addressOf(reads, sub->mjesto, sub->ulica, sub->kucnibroj.view(), h.adresa);
}

// The month's items with the IDD column their income type names.
class IddMonth {
public:
    explicit IddMonth(ReportReads& reads) : reads_(reads) {}

    StoreCode addItem(const Dohoci& doh) {
        int column = 0;
        PositionSums lines;
        std::optional<TaxRateTaken> rate;
        if (const StoreCode c = columnOf(doh.vrstadohotka, column); !ok(c)) return c;
        if (const StoreCode c = addItemLines(reads_, doh.oznaka, lines); !ok(c)) return c;
        if (const StoreCode c = municipalRateOf(reads_, doh, rate); !ok(c)) return c;
        figures_.addItem(column, lines);
        rates_.add(rate);
        return StoreCode::Ok;
    }
    const IddFigures& figures() const { return figures_; }
    const RatesTaken& rates() const { return rates_; }

private:
    StoreCode columnOf(std::uint8_t type, int& column) {
        if (const auto it = columns_.find(type); it != columns_.end()) {
            column = it->second;
            return StoreCode::Ok;
        }
        std::optional<Vrstedoh> vrs;
        if (const StoreCode c = reads_.linked(type, vrs); !ok(c)) return c;
        column = columns_[type] = vrs ? vrs->stupacidd : 0;
        return StoreCode::Ok;
    }

    ReportReads& reads_;
    IddFigures figures_;
    RatesTaken rates_;
    std::map<std::uint8_t, int> columns_;
};

}  // namespace

ReportResult idd(ReportContext& rc, Progress& progress) {
    ReportReads reads(rc.store());
    IddHeader header;
    if (const StoreCode c = readHeader(reads, rc, header); !ok(c)) return reads.named({RunEnd::Failed, {}, c, {}});
    const std::int32_t payer = rc.args.payer;
    const int year = rc.args.year, month = rc.args.month;
    const Isplate from{.isplatitelj = payer};
    const Pass<Isplate> pass{.key = Isplate::keyIsplatitelj, .from = &from,
                             .within = [payer](const Isplate& isp) { return isp.isplatitelj == payer; }};
    IddMonth items(reads);
    return reads.named(runReport<Isplate>(
        rc.store(), progress, pass,
        [&](const Isplate& isp) {
            if (isp.datum.isNull() || isp.datum.year() != year || isp.datum.month() != month) return StoreCode::Ok;
            return forPaymentItems(reads, isp.oznaka, [&](const Dohoci& doh) { return items.addItem(doh); });
        },
        [&] {
            header.porezStope = items.rates().text();
            return std::vector<Page>{iddPage(header, items.figures())};
        }));
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
