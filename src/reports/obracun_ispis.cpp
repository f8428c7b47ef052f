#include "reports/obracun_ispis.h"

#include <algorithm>
#include <set>

#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/pozicije.h"
#include "records/layouts/subjekti.h"
#include "records/store/key_walk.h"
#include "reports/listing.h"
#include "reports/position_sums.h"
#include "documents/report_reads.h"
#include "reports/report_text.h"
#include "reports/tax_rates_taken.h"

namespace pramo {
namespace {

using P = Pozicija;

// The rows whose amount stands in the right-hand column: the results the calculation arrives at
// (gross, contribution base, income, net); the parts taken from them stand to the left.
constexpr Pozicija resultPositions[] = {P::Bruto, P::Osnovica, P::Dohodak, P::Neto};

bool isResult(std::uint16_t position) {
    return std::ranges::any_of(resultPositions, [&](Pozicija p) { return number(p) == position; });
}

ListingLayout layout(const ReportSpec& spec, std::vector<QString> header) {
    return {.title = spec.title,
            .headerLines = std::move(header),
            .columns = {{QStringLiteral("Poz."), 12.0, 10.0, Align::Right},
                        {QStringLiteral("Opis"), 26.0, 90.0},
                        {QString(), 118.0, 34.0, Align::Right},
                        {QStringLiteral("Iznos"), 156.0, 34.0, Align::Right}}};
}

Band lineRow(const ListingLayout& l, std::uint16_t position, const QString& name, const Total& amount) {
    const QString text = pageText(printAmountOrBlank(amount));
    return listingRow(l, {QString::number(position), name, isResult(position) ? QString() : text,
                          isResult(position) ? text : QString()});
}

// The payer's whole cost of what the listing covers.
Band costRow(const ListingLayout& l, const PositionSums& sums) {
    Total cost = sums[P::Bruto];
    cost += sums[P::Zdravstveno];
    Band band = listingRow(l, {QString(), QStringLiteral("Bruto + Zdravstveno osiguranje"), QString(), pageText(printAmountOrBlank(cost))});
    const ListingColumn& c = l.columns[3];
    band.line(c.x, 0.0, c.x + c.width, 0.0);
    return band;
}

StoreCode positionName(ReportReads& reads, std::uint16_t position, QString& out) {
    std::optional<Pozicije> poz;
    const StoreCode c = reads.linked(position, poz);
    out = poz ? pageText(poz->naziv.view()) : QString();
    return c;
}

// The payer's name, and the payment's designation and date.
StoreCode paymentLines(ReportReads& reads, const Isplate& isp, const QString& between, std::vector<QString>& out) {
    std::optional<Subjekti> sub;
    if (const StoreCode c = reads.linked(isp.isplatitelj, sub); !ok(c)) return c;
    out.push_back(sub ? pageText(sub->naziv.view()) : QString());
    out.push_back(pageText(isp.rsid.view()) + between + pageText(isp.datum.toString()));
    return StoreCode::Ok;
}

// What the item listing is of, the surtax rate of the payee's municipality (none when the payee's
// place or its municipality is not in the register), and the municipality's rate the tax was taken
// at (from 2024; then there is no surtax).
struct ItemHeading {
    std::vector<QString> lines;
    std::optional<Rate7> surtaxRate;
    std::optional<TaxRateTaken> municipalRate;
};

StoreCode itemHeading(ReportReads& reads, const ItemContext& item, ItemHeading& h) {
    std::optional<Isplate> isp;
    if (const StoreCode c = reads.linked(item.doh.isplata, isp); !ok(c)) return c;
    if (const StoreCode c = municipalRateOf(reads, item.doh, h.municipalRate); !ok(c)) return c;
    if (const StoreCode c = paymentLines(reads, isp.value_or(Isplate{}), QStringLiteral("   "), h.lines); !ok(c)) return c;
    if (!item.oso || !item.mje) return StoreCode::Ok;
    h.lines.push_back(QStringLiteral("Rekapitulacija za: ") + personName(item.oso->ime.view(), item.oso->prezime.view()) +
                      QStringLiteral(", ") + pageText(item.mje->naziv.view()) + QStringLiteral("    JMBG: ") +
                      pageText(item.oso->jmbg.view()));
    if (item.opc) h.surtaxRate = item.opc->stopaprireza;
    return StoreCode::Ok;
}

// The surtax line names the rate now in the payee's municipality's register. A tax taken at the
// municipality's rate names that rate and its day, and then the surtax is none.
QString lineName(std::uint16_t position, const QString& name, const ItemHeading& h) {
    const QString stopa = name.trimmed() + QStringLiteral(" po stopi od ");
    if (h.municipalRate && position == number(P::Porez)) return stopa + pageText(h.municipalRate->pageText());
    if (h.municipalRate && position == number(P::Prirez)) return stopa + QStringLiteral("0%");
    if (position != number(P::Prirez) || !h.surtaxRate) return name;
    return stopa + plainRate(*h.surtaxRate) + u'%';
}

StoreCode itemListing(ReportReads& reads, const Dohoci& doh, ReportBuilder& builder, const ReportSpec& spec,
                      const PageSink& sink) {
    ItemHeading h;
    ItemContext item;
    ItemReader reader(reads.store(), {.place = true, .lines = true});
    if (const StoreCode c = reader.read(doh, item); !ok(c)) return reads.check(c, *reader.failed());
    if (const StoreCode c = itemHeading(reads, item, h); !ok(c)) return c;
    const PositionSums lines(item.lines);
    const ListingLayout l = layout(spec, h.lines);
    builder = listingBuilder(l, sink);
    for (const auto& [position, amount] : lines.all()) {
        QString name;
        if (const StoreCode c = positionName(reads, position, name); !ok(c)) return c;
        builder.add(lineRow(l, position, lineName(position, name, h), amount));
    }
    builder.add(costRow(l, lines));
    return StoreCode::Ok;
}

// The tax line of a payment names the municipalities' rates its items' tax was taken at.
QString paymentLineName(std::uint16_t position, const QString& name, const RatesTaken& rates) {
    if (position != number(P::Porez) || rates.empty()) return name;
    return name.trimmed() + QStringLiteral(" po stopama općina ") + rates.text();
}

// Every position of the register, and after them any other position the payment's items have
// lines of (entered by hand), each with the sum of its lines.
StoreCode paymentRows(ReportReads& reads, const ListingLayout& l, const PositionSums& sums, const RatesTaken& rates,
                      ReportBuilder& builder) {
    std::set<std::uint16_t> shown;
    const StoreCode c = walkAll<Pozicije>(reads.store(), Pozicije::keyOznaka, [&](const Pozicije& poz) {
        builder.add(lineRow(l, poz.oznaka, paymentLineName(poz.oznaka, pageText(poz.naziv.view()), rates), sums.at(poz.oznaka)));
        shown.insert(poz.oznaka);
    });
    if (!ok(c)) return reads.check(c, Pozicije::table);
    for (const auto& [position, amount] : sums.all()) {
        if (!shown.contains(position)) builder.add(lineRow(l, position, QString(), amount));
    }
    builder.add(costRow(l, sums));
    return StoreCode::Ok;
}

StoreCode paymentListing(ReportReads& reads, const Isplate& isp, ReportBuilder& builder, const ReportSpec& spec,
                         const PageSink& sink, bool& overflow) {
    std::vector<QString> heading;
    PositionSums sums;
    RatesTaken rates;
    if (const StoreCode c = paymentLines(reads, isp, QStringLiteral("   ") + pageText(isp.godina.view()) + QStringLiteral("   "), heading); !ok(c)) return c;
    heading.push_back(QStringLiteral("Rekapitulacija za isplatu:"));
    ItemReader reader(reads.store(), {.lines = true});
    const StoreCode c = reader.forPayment(isp.oznaka, [&](const ItemContext& item) {
        std::optional<TaxRateTaken> rate;
        sums.add(item.lines);
        const StoreCode read = municipalRateOf(reads, item.doh, rate);
        rates.add(rate);
        return read;
    });
    if (!ok(c)) return reader.failed() ? reads.check(c, *reader.failed()) : c;
    overflow = sums.overflowed();
    const ListingLayout l = layout(spec, heading);
    builder = listingBuilder(l, sink);
    return paymentRows(reads, l, sums, rates, builder);
}

}  // namespace

ReportResult obracunIsp(ReportContext& rc, Progress& progress) {
    ReportReads reads(rc.store());
    const Dohoci from{.oznaka = rc.args.item};
    return reads.named(runBuilt<Dohoci>(rc.store(), progress, sameNumber(Dohoci::keyOznaka, from, 1), ReportBuilder{},
                                        [&](const Dohoci& doh, ReportBuilder& builder) {
                                            return itemListing(reads, doh, builder, obracunIspReport, rc.sink);
                                        }));
}

ReportResult obrIsplateIsp(ReportContext& rc, Progress& progress) {
    ReportReads reads(rc.store());
    const Isplate from{.oznaka = rc.args.payment};
    bool overflow = false;
    const ReportResult r = runBuilt<Isplate>(rc.store(), progress, sameNumber(Isplate::keyOznaka, from, 1), ReportBuilder{},
                                             [&](const Isplate& isp, ReportBuilder& builder) {
                                                 return paymentListing(reads, isp, builder, obrIsplateIspReport, rc.sink, overflow);
                                             });
    return refusedIf(reads.named(r), overflow ? sumTooLarge : "");
}

const ReportSpec obracunIspReport{
    .name = "obracun",
    .title = QStringLiteral("Obračun primitka"),
    .preview = PreviewKind::Simple,
    .files = withRateFiles({&Dohoci::table, &Obracun::table, &Pozicije::table, &Isplate::table, &Subjekti::table,
                            &Osobe::table, &Mjesta::table, &Opcine::table}),
    .args = {{ReportArg::Item}},
    .summary = "spremljeni redovi obračuna jedne stavke dohotka, s nazivima pozicija",
    .run = obracunIsp,
};

const ReportSpec obrIsplateIspReport{
    .name = "obrisplate",
    .title = QStringLiteral("Obračun isplate"),
    .preview = PreviewKind::Simple,
    .files = withRateFiles({&Isplate::table, &Dohoci::table, &Obracun::table, &Pozicije::table, &Subjekti::table}),
    .args = {{ReportArg::Payment}},
    .summary = "redovi obračuna svih stavaka isplate, zbrojeni po pozicijama",
    .run = obrIsplateIsp,
};

}  // namespace pramo
