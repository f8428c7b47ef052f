#include "reports/report_text.h"

namespace pramo {

QString personName(std::string_view ime, std::string_view prezime) {
    return (pageText(ime) + u' ' + pageText(prezime)).trimmed();
}

std::string addressText(std::string_view place, std::string_view street, std::string_view houseNumber) {
    const auto join = [](std::string_view a, std::string_view separator, std::string_view b) {
        if (a.empty() || b.empty()) return std::string(a.empty() ? b : a);
        return std::string(a) + std::string(separator) + std::string(b);
    };
    return join(place, ", ", join(street, " ", houseNumber));
}

std::string addressOf(const PartyLinks& at, std::string_view kucniBroj) {
    return addressText(at.mje ? at.mje->naziv.view() : "", at.uli ? at.uli->naziv.view() : "", at.uli ? kucniBroj : "");
}

std::string payerAddress(const PayerContext& payer) {
    return addressText(payer.mje ? payer.mje->naziv.view() : "", payer.uli ? payer.uli->naziv.view() : "",
                       payer.sub ? payer.sub->kucnibroj.view() : "");
}

}  // namespace pramo
