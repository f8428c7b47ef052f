#pragma once
// ISPLATE — payments: one payout of one payer on one date

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Isplate {
    std::int32_t oznaka = 0;                     // payment number
    std::int32_t isplatitelj = 0;                // payer -> SUBJEKTI
    Text<5>      rsid;                           // report designation: yy and the day of the year of the date
    Date         datum;                          // date of payment
    Text<4>      godina;                         // year the payment belongs to
    Memo<1000>   biljeske;                       // notes
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyIsplatitelj, keyDatum, keyRsid, keyGodina, keyRsidIsplatitelj;
};

// The year a payment belongs to is the year of its date, whoever wrote it; a payment without a
// date keeps the year it has. Answers whether the year changed. The store applies it to every
// payment it reads and writes, so a payment moved into another year counts in that year alone.
bool yearFollowsDate(Isplate& isp);

}  // namespace pramo
