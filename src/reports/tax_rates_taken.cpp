#include "reports/tax_rates_taken.h"

#include <algorithm>

#include "payments/references.h"
#include "reports/report_text.h"

namespace pramo {

StoreCode municipalRateOf(ReportReads& reads, const Dohoci& doh, std::optional<TaxRateTaken>& out) {
    out.reset();
    References refs;
    const LookUp found = lookUp(reads.store(), doh, refs);
    if (found == LookUp::Failed) return reads.check(reads.store().error().code, *refs.failedFile);
    if (found == LookUp::Found && refs.sto) out = taxRateTaken(refs);
    return StoreCode::Ok;
}

std::vector<const TableDef*> withRateFiles(std::vector<const TableDef*> files) {
    for (const TableDef* t : calculationFiles())
        if (std::ranges::find(files, t) == files.end()) files.push_back(t);
    return files;
}

void RatesTaken::add(const std::optional<TaxRateTaken>& rate) {
    if (rate && std::ranges::find(rates_, rate->rate) == rates_.end()) rates_.push_back(rate->rate);
}

QString RatesTaken::text() const {
    QString out;
    for (const Rate& r : rates_) out += (out.isEmpty() ? QString() : QStringLiteral(", ")) + plainRate(r) + u'%';
    return out;
}

}  // namespace pramo
