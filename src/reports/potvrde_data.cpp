#include "reports/potvrde_data.h"

#include "reports/tax_rates_taken.h"

#include <algorithm>
#include <optional>

#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/store/key_encoding.h"
#include "reports/report_text.h"

namespace pramo {

CertificateKind certificateKindFor(int year) {
    return year == 2009 || year == 2010 ? CertificateKind::WithCrisisTax : CertificateKind::Ordinary;
}

int defaultCertificateYear(Date today) { return today.month() > 7 ? today.year() : today.year() - 1; }

CertificateCollector::CertificateCollector(ReportReads& reads, std::int32_t payer, CertificateRun& run)
    : reads_(reads), payer_(payer), run_(run) {}

StoreCode CertificateCollector::start(Date reportDate) {
    std::optional<Subjekti> sub;
    QString place;
    if (const StoreCode c = reads_.linked(payer_, sub); !ok(c)) return c;
    if (sub) {
        payerParty_.name = pageText(sub->naziv.view());
        payerParty_.oib = pageText(sub->oib.view());
        if (const StoreCode c = placeName(reads_, sub->mjesto, place); !ok(c)) return c;
        const StoreCode c = addressOf(reads_, sub->mjesto, sub->ulica, sub->kucnibroj.view(), payerParty_.address);
        if (!ok(c)) return c;
    }
    const QString date = pageText(reportDate.toString());  // blank for no date
    run_.placeAndDate = place.isEmpty() || date.isEmpty() ? place + date : place + QStringLiteral(", ") + date;
    return StoreCode::Ok;
}

StoreCode CertificateCollector::certificateOf(std::int32_t payee, Certificate*& out) {
    if (const auto it = certificates_.find(payee); it != certificates_.end()) {
        out = &it->second;
        return StoreCode::Ok;
    }
    std::optional<Osobe> oso;
    if (const StoreCode c = reads_.linked(payee, oso); !ok(c)) return c;
    Certificate cert{.payee = payee, .payer = payerParty_};
    if (oso) {
        cert.payeeOrder = encodeSeek(Osobe::keyPrezimeIme, &*oso);
        cert.payeeParty = {personName(oso->ime.view(), oso->prezime.view()), {}, pageText(oso->oib.view())};
        const StoreCode c = addressOf(reads_, oso->mjesto, oso->ulica, oso->kucnibroj.view(), cert.payeeParty.address);
        if (!ok(c)) return c;
    }
    out = &certificates_.emplace(payee, std::move(cert)).first->second;
    return StoreCode::Ok;
}

StoreCode CertificateCollector::incomeType(std::uint8_t oznaka, const Vrstedoh*& out) {
    if (const auto it = types_.find(oznaka); it != types_.end()) {
        out = &it->second;
        return StoreCode::Ok;
    }
    std::optional<Vrstedoh> vrs;
    if (const StoreCode c = reads_.linked(oznaka, vrs); !ok(c)) return c;
    // A type missing from the register still shows its items, under its code without a name.
    out = &types_.emplace(oznaka, vrs.value_or(Vrstedoh{.oznaka = oznaka})).first->second;
    return StoreCode::Ok;
}

// The ordinary certificate leaves out the types of non-taxable receipts.
bool CertificateCollector::shows(const Vrstedoh& vrs) const {
    return run_.kind == CertificateKind::WithCrisisTax || vrs.rezdecimala.isZero();
}

StoreCode CertificateCollector::addItem(const Dohoci& doh, const Isplate& isp) {
    if (isp.isplatitelj != payer_ || isp.datum.isNull() || isp.datum.year() != run_.year) return StoreCode::Ok;
    Certificate* cert = nullptr;
    const Vrstedoh* vrs = nullptr;
    if (const StoreCode c = certificateOf(doh.djelatnik, cert); !ok(c)) return c;
    if (const StoreCode c = incomeType(doh.vrstadohotka, vrs); !ok(c)) return c;
    if (!shows(*vrs)) return StoreCode::Ok;
    CertificateRow row{.order = doh.row.id, .datum = isp.datum};
    std::optional<TaxRateTaken> rate;
    if (const StoreCode c = addItemLines(reads_, doh.oznaka, row.amounts); !ok(c)) return c;
    if (const StoreCode c = municipalRateOf(reads_, doh, rate); !ok(c)) return c;
    if (rate) row.porezStopa = plainRate(rate->rate) + u'%';
    CertificateGroup& group = cert->groups.try_emplace(vrs->oznaka, CertificateGroup{.vrs = *vrs}).first->second;
    group.subtotal.add(row.amounts);
    cert->total.add(row.amounts);
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
