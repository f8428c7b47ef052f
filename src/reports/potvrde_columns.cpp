#include "reports/potvrde_columns.h"

#include "reports/report_text.h"

namespace pramo {
namespace {

using P = Pozicija;
using C = CertificateCell;

// Columns 1 to 10, the same on both certificates.
std::vector<CertificateColumn> sharedColumns() {
    return {
        {"1", {"Red.", "br."}, 10.0, C::RowNumber},
        {"2", {"Nadnevak", "isplate", "primitka"}, 19.0, C::PaymentDate},
        {"3", {"Primitak po osnovi:"}, 33.0, C::TypeName},
        {"4", {"Iznos", "primitka"}, 23.0, C::Amount, {{P::Bruto}}},
        {"5", {"Izdatak u", "postotku"}, 20.0, C::RateText},
        {"6", {"Iznos", "Izdatka"}, 23.0, C::Amount, {{P::NeoporeziviDio}, {P::PriznatiTroskovi}}},
        {"7", {"Iznos", "uplaćenog", "doprinosa", "iz primitka"}, 23.0, C::Amount, {{P::MirovinskoI}, {P::MirovinskoII}}},
        {"8 (4-6-7)", {"Dohodak"}, 23.0, C::Amount, {{P::Dohodak}}},
        {"9", {"Nadnevak up-", "late doprinosa,", "poreza i", "prireza"}, 19.0, C::ContributionDate},
        {"10", {"Iznos", "uplaćenog", "poreza i prireza"}, 23.0, C::Amount, {{P::Porez}, {P::Prirez}}},
    };
}

CertificateLayout ordinary() {
    std::vector<CertificateColumn> columns = sharedColumns();
    columns.push_back({"11 (4-7-10)", {"Neto", "isplata"}, 23.0, C::Amount, {{P::Neto}}});
    return {std::move(columns), true};
}

CertificateLayout withCrisisTax() {
    std::vector<CertificateColumn> columns = sharedColumns();
    columns.push_back({"11", {"Iznos", "uplaćenog", "posebnog", "poreza"}, 23.0, C::Amount, {{P::Kriznica}}});
    columns.push_back({"12 (4-7-10-11)", {"Neto", "isplata"}, 23.0, C::Amount, {{P::Neto}, {P::Kriznica, -1}}});
    return {std::move(columns), false};
}

}  // namespace

const CertificateLayout& certificateLayout(CertificateKind kind) {
    static const CertificateLayout o = ordinary();
    static const CertificateLayout k = withCrisisTax();
    return kind == CertificateKind::Ordinary ? o : k;
}

Total columnAmount(const CertificateColumn& column, const PositionSums& sums) {
    Total total;
    for (const PositionTerm& t : column.terms) {
        if (t.sign > 0) total += sums[t.position];
        else total -= sums[t.position];
    }
    return total;
}

QString certificateRate(const Vrstedoh& vrs) {
    const QString expenses = plainRate(vrs.priznatitroskovi) + u'%';
    if (vrs.neoporezividio <= Rate{}) return expenses;
    return plainRate(vrs.neoporezividio) + QStringLiteral("%+") + expenses;
}

}  // namespace pramo
