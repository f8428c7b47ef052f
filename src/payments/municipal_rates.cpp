#include "payments/municipal_rates.h"

#include "records/store/cursor.h"
#include "records/values/number_format.h"

namespace pramo {

StoreCode rateInForce(Store& store, std::string_view code, Date day, std::optional<Stopeopcina>& out) {
    out.reset();
    Cursor cursor(store, Stopeopcina::keyOpcinaDatum);
    cursor.setReadAhead(1);
    Stopeopcina sto{.opcina = code, .vrijediod = day};
    cursor.setFrom(sto);
    const StoreCode c = cursor.previous(sto);  // the last row at or before the municipality and day
    if (c == StoreCode::NoMoreRecords) return StoreCode::Ok;
    if (ok(c) && sto.opcina == code && sto.vrijediod <= day) out = sto;
    return c;
}

namespace {

std::string source(const TaxRateTaken& t) {
    return " (stopa općine " + t.opcina + " od " + t.from.toString() + ".)";
}

}  // namespace

std::string TaxRateTaken::screenText() const {
    const std::string rateText = screenAmount(rate) + " %";
    return basis == TaxBasis::Municipality ? rateText + source(*this) : rateText;
}

std::string TaxRateTaken::pageText() const {
    const std::string rateText = plainNumber(rate) + "%";
    return basis == TaxBasis::Municipality ? rateText + source(*this) : rateText;
}

}  // namespace pramo
