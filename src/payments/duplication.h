#pragma once
// Copying a payment: a new payment of the same payer on a new date, with a copy of every income
// item of the old one and of each item's calculation lines and auxiliary slots exactly as stored.
// Nothing is recalculated: the new items carry the old amounts.
//
// The whole copy is one transaction. When any part of it cannot be written, nothing of the copy
// remains and the outcome says the copy was not made; a copy is never left half-made.

#include <cstdint>
#include <string>

#include "records/layouts/isplate.h"
#include "records/store/store.h"
#include "records/values/date.h"

namespace pramo {

// What a copy may move when another program took its number, or its payer's day, between the
// proposal and the copy: nothing (the window, which showed them to the user), the number (as a
// form reserving a number takes the next one), or the number and the day (when the day was
// proposed, not chosen: the payer's next free day, as a proposal made a moment later would be).
enum class Retake : std::uint8_t { Nothing, Number, NumberAndDay };

// What the copy is made of: the payment copied and the new payment's number, date, RS Id and year.
struct DuplicateRequest {
    std::int32_t from = 0;
    std::int32_t number = 0;
    Date datum;
    Text<5> rsid;
    Text<4> godina;
    Retake retake = Retake::Nothing;
};

// What the window opens with: the new number (highest + 1) and the first day from `today` on
// that the old payment's payer has free, with its RS Id and year. `old` gets the payment copied.
// NotFound when there is no payment `from`.
StoreCode proposeDuplicate(Store& store, std::int32_t from, Date today, Isplate& old, DuplicateRequest& req);

enum class DuplicateStatus {
    Done,
    NoSuchPayment,   // there is no payment to copy
    PaymentRefused,  // the new payment could not be added (its number is taken, or the payer has
                     // a payment of this year and RS Id); nothing was written
    CopyFailed,      // an item, line or slot could not be written; nothing was written
};

struct DuplicateOutcome {
    DuplicateStatus status = DuplicateStatus::Done;
    int items = 0;         // income items copied
    std::string message;   // for the user when not Done
    Isplate made;          // the new payment as written, when Done

    bool done() const { return status == DuplicateStatus::Done; }
};

// The text shown when the new payment cannot be added.
inline constexpr const char* paymentRefusedText = "Ne mogu unijeti novu isplatu s ovim podacima";

DuplicateOutcome duplicatePayment(Store& store, const DuplicateRequest& req);

}  // namespace pramo
