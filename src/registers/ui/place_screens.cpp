// Places, streets and banks: the lists started from the menu and chosen from by the payee and
// payer forms, and their forms.

#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "registers/ui/form_messages.h"
#include "registers/ui/register_lists.h"

namespace pramo {
namespace {

bool municipalityExists(FormScreen& form) {
    Opcine opc;
    return ok(readLinked(form.context().store, form.as<Mjesta>().opcina, opc));
}

// A typed municipality number: 0 is refused with a message, one no municipality has opens the
// municipalities for a choice.
void municipalityTyped(FormScreen& form, std::string_view field) {
    if (field != "OPCINA") return;
    if (form.as<Mjesta>().opcina == 0) {
        tell(form, "Morate odabrati općinu");
        keepFocusOn(form, "OPCINA");
    } else if (!municipalityExists(form)) {
        form.openLookup("OPCINA");
    }
}

// A place is not saved without an existing municipality: its payees' surtax and tax account come
// from it.
bool placeComplete(FormScreen& form) {
    if (municipalityExists(form)) return true;
    tell(form, "Morate odabrati općinu");
    form.focusField("OPCINA");
    return false;
}

}  // namespace

const FormSpec upisMjesta{
    .table = &Mjesta::table,
    .insertCaption = "Upis mjesta u šifrarnik",
    .changeCaption = "Promjene - mjesta",
    .fields = {{.field = "NAZIV", .label = "Naziv:"},
               {.field = "OPCINA", .label = "Općina:",
                .lookup = {.list = &odabirOpcine, .key = &Opcine::keyOznaka, .shown = "NAZIV", .openWhenUnmatched = true}},
               {.field = "POSTBROJ", .label = "Post Broj:"}},
    .hooks = {.accepted = municipalityTyped, .validate = placeComplete},
};

const ListSpec mjestaList{
    .table = &Mjesta::table,
    .caption = "Pregled mjesta",
    .tabs = {{.key = &Mjesta::keyNaziv, .locator = Locator::Step}},
    .columns = {column("Naziv", "NAZIV"), column("Post br.", "POSTBROJ"),
                lookup("Grad / općina", "OPCINA", Opcine::keyOznaka, "NAZIV"),
                lookup("Shifra", "OPCINA", Opcine::keyOznaka, "SHIFRA"),
                lookup("Prirez", "OPCINA", Opcine::keyOznaka, "STOPAPRIREZA"), column("Oznaka", "OZNAKA"),
                column("Općina", "OPCINA")},
    .form = &upisMjesta,
};

const FormSpec upisUlice{
    .table = &Ulice::table,
    .insertCaption = "Upis ulice u šifrarnik",
    .changeCaption = "Promjena naziva ulice",
    .fields = {{.field = "NAZIV", .label = "Naziv:"}},
};

const ListSpec uliceList{
    .table = &Ulice::table,
    .caption = "Pregled ulica",
    .tabs = {{.key = &Ulice::keyNaziv, .locator = Locator::Step}},
    .columns = {column("Naziv", "NAZIV"), column("Oznaka", "OZNAKA")},
    .form = &upisUlice,
};

const FormSpec upisBanke{
    .table = &Banke::table,
    .insertCaption = "Upis banke u šifrarnik",
    .changeCaption = "Promjena naziva banke",
    .fields = {{.field = "NAZIV", .label = "Naziv:"}, {.field = "VODECIBROJ", .label = "Vodeći Broj:"}},
};

const ListSpec bankeList{
    .table = &Banke::table,
    .caption = "Pregled banaka",
    .tabs = {{.title = "Banke", .key = &Banke::keyNaziv, .locator = Locator::Step}},
    .columns = {column("Naziv", "NAZIV"), column("Vodeći Broj", "VODECIBROJ"), column("Oznaka", "OZNAKA")},
    .form = &upisBanke,
};

}  // namespace pramo
