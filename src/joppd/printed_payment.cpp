#include "joppd/printed_payment.h"

#include "payments/item_context.h"
#include "records/store/read_linked.h"

namespace pramo {

StoreCode readPrintedPayment(Store& store, std::int32_t payment, PrintedPayment& out) {
    std::optional<Isplate> isp;
    PayerContext p;
    const TableDef* failed = nullptr;
    if (const StoreCode c = readLinked(store, payment, isp); !ok(c)) return c;
    out.isp = isp.value_or(Isplate{});
    if (const StoreCode c = readPayer(store, out.isp.isplatitelj, {.place = true, .street = true}, p, failed); !ok(c)) return c;
    out.sub = p.sub.value_or(Subjekti{});
    out.mje = p.mje.value_or(Mjesta{});
    out.uli = p.uli.value_or(Ulice{});
    return StoreCode::Ok;
}

}  // namespace pramo
