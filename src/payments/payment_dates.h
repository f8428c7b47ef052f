#pragma once
// The date, year and report designation (RS Id) of a payment. The RS Id is two digits of
// (year − 2000) and three of the day of the year ("14032" for 1 February 2014); it names the
// payment's JOPPD return and ends every tax reference, and a payer has one payment per year and
// RS Id.

#include <cstdint>
#include <string>

#include "records/layouts/isplate.h"
#include "records/store/store.h"
#include "records/values/date.h"

namespace pramo {

// The RS Id a date gives; empty for no date or a year outside 2000 to 2099.
std::string rsIdOf(Date d);

// Up to this RS Id (dates of 2013 and earlier) a changed date keeps the RS Id the user typed.
inline constexpr int lastKeptRsId = 13366;

// After the payment's date was set or moved: from 2014 on the RS Id becomes the one the date
// gives; earlier dates keep the RS Id as it is. (The year follows the date whenever the payment is
// stored: yearFollowsDate.)
void rsIdFromDate(Isplate& isp);

// The first day from `from` on for which payer `isplatitelj` has no payment with that day's year
// and RS Id: `isp` gets the day, its RS Id and its year (and the payer). A read error is returned.
StoreCode firstFreeDay(Store& store, std::int32_t isplatitelj, Date from, Isplate& isp);

// The number a new payment gets: one above the highest (1 when there is none).
StoreCode nextPaymentNumber(Store& store, std::int32_t& number);

// Start-up upgrade of books kept by earlier versions, which could store a payment under a year
// other than its date's: when any payment's keys disagree with the year its date gives, the keys
// are rebuilt, which writes that year into the payment. A missing file, or one whose keys are
// rebuilt when it is opened anyway, is left alone.
StoreCode upgradePaymentYears(Store& store);

}  // namespace pramo
