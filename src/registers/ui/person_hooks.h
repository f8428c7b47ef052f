#pragma once
// What the payee and payer forms do alike (R is Osobe or Subjekti): the look-ups of place, street
// and bank, the IBAN check digits when the account is accepted, and the notices about a doubtful
// OIB or account.

#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "registers/entry_checks.h"
#include "registers/ui/form_messages.h"
#include "registers/ui/register_lists.h"

namespace pramo {

inline const LookupSpec placeLookup{.list = &mjestaList, .key = &Mjesta::keyOznaka, .shown = "NAZIV", .openWhenUnmatched = true};
inline const LookupSpec streetLookup{.list = &uliceList, .key = &Ulice::keyOznaka, .shown = "NAZIV", .openWhenUnmatched = true};
inline const LookupSpec bankLookup{.list = &bankeList, .key = &Banke::keyOznaka, .shown = "NAZIV", .openWhenUnmatched = true};

// The check digits follow the account at the bank; a doubtful account is kept with a notice when
// it was the account that was typed.
template <class R>
void checkAccount(FormScreen& form, bool typed) {
    R& rec = form.template as<R>();
    std::optional<Banke> bank;
    if (!ok(readLinked(form.context().store, rec.banka, bank))) return;
    const AccountCheck c = accountCheck(bank ? &*bank : nullptr, rec.racun.view());
    if (c.rkont) rec.rkont = *c.rkont;
    if (c.notice && typed) tell(form, *c.notice);
}

// After a field was accepted. The check digits follow a changed bank too, so that they never
// belong to another bank's account.
template <class R>
void personAccepted(FormScreen& form, std::string_view field) {
    if (field == "OIB") {
        if (auto notice = oibNotice(form.template as<R>().oib.view())) tell(form, *notice);
    } else if (field == "RACUN" || field == "BANKA") {
        checkAccount<R>(form, field == "RACUN");
    }
}

// After a place or street was chosen: a new person's street is chosen next, and after the street
// the house number is typed.
template <class R>
void addressLookedUp(FormScreen& form, std::string_view field) {
    if (field == "MJESTO" && form.request() == Request::Insert && form.template as<R>().ulica == 0)
        form.openLookup("ULICA");
    else if (field == "ULICA")
        keepFocusOn(form, "KUCNIBROJ");
}

// The bank code of the person's bank, shown between the check digits and the account.
template <class R>
QString bankCodeOf(FormScreen& form) {
    Banke ban;
    if (!ok(readLinked(form.context().store, form.template as<R>().banka, ban))) return {};
    return QString::fromStdString(ban.vodecibroj.str());
}

}  // namespace pramo
