#include "joppd/printed_payment.h"

#include "records/store/read_linked.h"

namespace pramo {
namespace {

template <class R>
StoreCode readOrBlank(Store& store, std::int64_t number, R& rec) {
    const StoreCode c = readLinked(store, number, rec);
    if (c == StoreCode::NotFound) rec = R{};
    return c == StoreCode::NotFound ? StoreCode::Ok : c;
}

}  // namespace

StoreCode readPrintedPayment(Store& store, std::int32_t payment, PrintedPayment& out) {
    if (const StoreCode c = readOrBlank(store, payment, out.isp); !ok(c)) return c;
    if (const StoreCode c = readOrBlank(store, out.isp.isplatitelj, out.sub); !ok(c)) return c;
    if (const StoreCode c = readOrBlank(store, out.sub.mjesto, out.mje); !ok(c)) return c;
    return readOrBlank(store, out.sub.ulica, out.uli);
}

}  // namespace pramo
