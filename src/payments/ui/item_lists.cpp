#include "payments/ui/item_lists.h"

#include "records/layouts/dohoci.h"
#include "records/layouts/obracun.h"
#include "records/layouts/pozicije.h"
#include "records/layouts/svasta.h"
#include "shell/list/list_panel.h"

namespace pramo {
namespace {

// The records of the item that the form around the list holds.
template <Record R>
RangeSpec ofFormItem() {
    return rangeFromForm<R, Dohoci>(1, [](const Dohoci& doh, R& seek) { seek.dohodak = doh.oznaka; });
}

}  // namespace

const FormSpec updateObracun{
    .table = &Obracun::table,
    .insertCaption = "Adding a obracun Record",
    .changeCaption = "Changing a obracun Record",
    .tabs = {"General"},
    .fields = {{.field = "DOHODAK", .label = "Dohodak:"},
               {.field = "POZICIJA", .label = "Pozicija:"},
               {.field = "IZNOS", .label = "Iznos:"}},
    .duplicateOrder = {&Obracun::keyDohPoz},
    .reserveNumber = false,
    .cancelText = "Cancel",
};

const ListSpec obracunStavke{
    .table = &Obracun::table,
    .caption = "Pozicije obračuna:",
    .tabs = {{.key = &Obracun::keyDohodak, .locator = Locator::None, .range = ofFormItem<Obracun>()}},
    .columns = {lookup("Pozicija", "POZICIJA", Pozicije::keyOznaka, "NAZIV"), column("Iznos", "IZNOS"),
                column("Dohodak", "DOHODAK"), column("Pozicija", "POZICIJA")},
    .buttons = {},
    .form = &updateObracun,
};

const ListSpec svastaStavke{
    .table = &Svasta::table,
    .caption = "Način isplate",
    .tabs = {{.key = &Svasta::keyDohBroj, .locator = Locator::None, .range = ofFormItem<Svasta>()}},
    .columns = {column("Način isplate", "VRISHORT")},
    .buttons = {},
};

}  // namespace pramo
