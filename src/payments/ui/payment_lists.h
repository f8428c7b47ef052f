#pragma once
// The declared lists and form of payments: the payers, payments and income items that the
// payments list shows side by side, and the payment form UPISISPLATE with the list of the
// payment's income items.

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const ListSpec isplatiteljiIsplate;  // every payer by name
extern const ListSpec isplateList;          // "Isplate (F5)": the highlighted payer's payments, newest first
extern const ListSpec isplateDohoci;        // "Primatelji:": the highlighted payment's income items
extern const ListSpec upisIsplateDohoci;    // "Primatelji" on the payment form
extern const FormSpec upisIsplate;          // UPISISPLATE

// Asked before a new payment that holds items is left without OK.
inline constexpr const char* dropNewPaymentQuestion =
    "ŽELITE LI STVARNO ODUSTATI OD NOVE ISPLATE?\nIsplata i svi njezini primatelji bit će izbrisani.";

}  // namespace pramo
