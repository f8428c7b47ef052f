// Payers: the list by name and the payer form.

#include "registers/ui/person_hooks.h"
#include "shell/list/list_screen.h"

namespace pramo {
namespace {

// After a bank was chosen for a new payer without an account, the account is typed next.
void payerLookedUp(FormScreen& form, std::string_view field) {
    addressLookedUp<Subjekti>(form, field);
    if (field == "BANKA" && form.request() == Request::Insert && form.as<Subjekti>().racun.blank())
        keepFocusOn(form, "RACUN");
}

}  // namespace

const FormSpec upisSubjekta{
    .table = &Subjekti::table,
    .insertCaption = "Unos isplatitelja",
    .changeCaption = "Promjena podataka",
    .tabs = {"&Opći podaci", "&Bankovni račun", "&Kontakt"},
    .fields = {{.field = "NAZIV", .label = "Naziv:"},
               {.field = "TIP", .label = "Tip osobe", .kind = FieldKind::Options,
                .options = {{.text = "&Pravna", .value = "P"}, {.text = "&Fizička", .value = "F"},
                            {.text = "ostale P", .value = "5"}, {.text = "ostale F", .value = "4"}}},
               {.field = "POREZNIBROJ", .label = "MB/MBG:"},
               {.field = "OIB", .label = "OIB:"},
               {.field = "MJESTO", .label = "Mjesto:", .lookup = placeLookup},
               {.field = "ULICA", .label = "Adresa:", .lookup = streetLookup},
               {.field = "KUCNIBROJ", .sameRow = true},
               {.field = "BANKA", .label = "Banka:", .tab = 1, .lookup = bankLookup},
               {.field = "RKONT", .label = "IBAN:", .tab = 1},
               {.tab = 1, .kind = FieldKind::Shown, .shown = bankCodeOf<Subjekti>, .sameRow = true},
               {.field = "RACUN", .tab = 1, .sameRow = true},
               {.field = "TELEFON", .label = "Telefon:", .tab = 2},
               {.field = "MOBITEL", .label = "Mobitel:", .tab = 2},
               {.field = "FAX", .label = "Fax:", .tab = 2},
               {.field = "EMAIL", .label = "Email:", .tab = 2}},
    .defaults = {{.field = "TIP", .value = "F"}},
    .duplicateOrder = {&Subjekti::keyOznaka, &Subjekti::keyPorezniBroj, &Subjekti::keyOib},
    .hooks = {.accepted = personAccepted<Subjekti>, .lookedUp = payerLookedUp},
};

const ListSpec subjektiList{
    .table = &Subjekti::table,
    .caption = "Pregled isplatitelja",
    .tabs = {{.title = "Po &Nazivu", .key = &Subjekti::keyNaziv, .locator = Locator::Step}},
    .columns = {column("Naziv", "NAZIV"), column("OIB", "OIB"), lookup("Mjesto", "MJESTO", Mjesta::keyOznaka, "NAZIV"),
                lookup("Ulica", "ULICA", Ulice::keyOznaka, "NAZIV"), column("K Br", "KUCNIBROJ"),
                column("Br. mjesta", "MJESTO"), column("Br. ulice", "ULICA"),
                lookup("Oznaka", "MJESTO", Mjesta::keyOznaka, "OZNAKA")},
    .hideSelect = true,
    .form = &upisSubjekta,
};

Response selectPayer(AppContext& ctx, Subjekti& sub, QWidget* parent) { return selectRecord(ctx, subjektiList, sub, parent); }

}  // namespace pramo
