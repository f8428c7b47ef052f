#include "records/values/currency.h"

namespace pramo {

Date euroFrom() { return *Date::fromYmd(2023, 1, 1); }

const Currency& currencyOn(Date day) {
    static const Currency kuna{"HRK", "kn", "kunama i lipama", "kunama s lipama"};
    static const Currency euro{"EUR", "EUR", "eurima i centima", "eurima s centima"};
    return !day.isNull() && day < euroFrom() ? kuna : euro;
}

const Currency& currencyOfMonth(int year, int month) {
    return currencyOn(Date::fromYmd(year, month, 1).value_or(Date{}));
}

}  // namespace pramo
