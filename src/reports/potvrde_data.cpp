#include "reports/potvrde_data.h"

#include "reports/tax_rates_taken.h"

#include <algorithm>
#include <optional>

#include "records/store/key_encoding.h"
#include "reports/report_text.h"

namespace pramo {

CertificateKind certificateKindFor(int year) {
    return year == 2009 || year == 2010 ? CertificateKind::WithCrisisTax : CertificateKind::Ordinary;
}

int defaultCertificateYear(Date today) { return today.month() > 7 ? today.year() : today.year() - 1; }

CertificateCollector::CertificateCollector(Store& store, std::int32_t payer, CertificateRun& run)
    : store_(store), payer_(payer), run_(run) {}

StoreCode CertificateCollector::start(Date reportDate, const TableDef*& failed) {
    PayerContext p;
    if (const StoreCode c = readPayer(store_, payer_, {.place = true, .street = true}, p, failed); !ok(c)) return c;
    const QString place = p.mje ? pageText(p.mje->naziv.view()) : QString();
    if (p.sub) {
        payerParty_.name = pageText(p.sub->naziv.view());
        payerParty_.oib = pageText(p.sub->oib.view());
        payerParty_.address = pageText(addressOf(p, p.sub->kucnibroj.view()));
    }
    const QString date = pageText(reportDate.toString());  // blank for no date
    run_.placeAndDate = place.isEmpty() || date.isEmpty() ? place + date : place + QStringLiteral(", ") + date;
    return StoreCode::Ok;
}

Certificate& CertificateCollector::certificateOf(const ItemContext& item) {
    const std::int32_t payee = item.doh.djelatnik;
    if (const auto it = certificates_.find(payee); it != certificates_.end()) return it->second;
    Certificate cert{.payee = payee, .payer = payerParty_};
    if (const std::optional<Osobe>& oso = item.oso) {
        cert.payeeOrder = encodeSeek(Osobe::keyPrezimeIme, &*oso);
        cert.payeeParty = {personName(oso->ime.view(), oso->prezime.view()), pageText(addressOf(item, oso->kucnibroj.view())),
                           pageText(oso->oib.view())};
    }
    return certificates_.emplace(payee, std::move(cert)).first->second;
}

// The ordinary certificate leaves out the types of non-taxable receipts.
bool CertificateCollector::shows(const Vrstedoh& vrs) const {
    return run_.kind == CertificateKind::WithCrisisTax || vrs.rezdecimala.isZero();
}

StoreCode CertificateCollector::addItem(const ItemContext& item, const Isplate& isp) {
    if (isp.isplatitelj != payer_ || isp.datum.isNull() || isp.datum.year() != run_.year) return StoreCode::Ok;
    Certificate& cert = certificateOf(item);
    // A type missing from the register still shows its items, under its code without a name.
    const Vrstedoh vrs = item.vrs.value_or(Vrstedoh{.oznaka = item.doh.vrstadohotka});
    if (!shows(vrs)) return StoreCode::Ok;
    CertificateRow row{.order = item.doh.row.id, .datum = isp.datum, .amounts = PositionSums(item.lines)};
    std::optional<TaxRateTaken> rate;
    if (const StoreCode c = municipalRateOf(reads_, item.doh, rate); !ok(c)) return c;
    if (rate) row.porezStopa = plainRate(rate->rate) + u'%';
    CertificateGroup& group = cert.groups.try_emplace(vrs.oznaka, CertificateGroup{.vrs = vrs}).first->second;
    group.subtotal.add(row.amounts);
    cert.total.add(row.amounts);
    overflow_ = overflow_ || cert.total.overflowed() || group.subtotal.overflowed();
    group.rows.push_back(std::move(row));
    return StoreCode::Ok;
}

std::vector<Certificate> CertificateCollector::finish() {
    std::vector<Certificate> out;
    for (auto& [payee, cert] : certificates_) {
        for (auto& [type, group] : cert.groups) {
            std::ranges::stable_sort(group.rows, {}, &CertificateRow::order);
        }
        out.push_back(std::move(cert));
    }
    std::ranges::stable_sort(out, [](const Certificate& a, const Certificate& b) {
        return std::tie(a.payeeOrder, a.payee) < std::tie(b.payeeOrder, b.payee);
    });
    certificates_.clear();
    return out;
}

}  // namespace pramo
