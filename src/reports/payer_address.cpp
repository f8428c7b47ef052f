#include "reports/payer_address.h"

#include "records/store/read_linked.h"
#include "reports/report_text.h"

namespace pramo {

StoreCode readPayerPlace(Store& store, const Subjekti& sub, PayerPlace& out) {
    out = {};
    StoreCode c = readLinked(store, sub.mjesto, out.mje);
    if (ok(c)) c = readLinked(store, sub.ulica, out.uli);
    if (ok(c) && out.mje) c = readLinked(store, out.mje->opcina, out.opc);
    return c;
}

std::string payerAddress(const Subjekti& sub, const PayerPlace& place) {
    return addressText(place.mje ? place.mje->naziv.view() : "", place.uli ? place.uli->naziv.view() : "",
                       sub.kucnibroj.view());
}

}  // namespace pramo
