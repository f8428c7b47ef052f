#include "registers/ui/payee_selection.h"

#include "registers/ui/register_lists.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"

namespace pramo {

const ListSpec odabirOsobeZaDoh{
    .table = &Osobe::table,
    .caption = "Pregled primatelja",
    .tabs = {{.title = "Po pr&ezimenu", .key = &Osobe::keyPrezimeIme, .locator = Locator::Incremental,
              .stops = ThumbStops::Surname, .filter = rowsWhere<Osobe>([](const Osobe& oso) { return !oso.oib.blank(); })},
             {.title = "Po mje&stu", .key = &Osobe::keyMjesto, .locator = Locator::None,
              .range = rangeFrom(mjestaZaOsobe, "MJESTO", "OZNAKA")}},
    .columns = payeeColumns({column("Oznaka", "OZNAKA"), column("Kućni telefon", "KUCNITELEFON"),
                             column("Telefon na poslu", "TELEFONNAPOSLU"), hidden(column("Oznaka", "OZNAKA")),
                             hidden(column("Mjesto", "MJESTO")), hidden(column("Ulica", "ULICA"))}),
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .hideSelect = true,
    .form = &upisOsobe,
    .extraButtons = {payeeOibButton(), {.text = "Help", .action = payeeLocatingHelp}},
    .below = {column("", "OIB"),
              computed<Osobe>("Kontakt:", [](const Osobe& oso) { return oso.kucnitelefon.str() + "   " + oso.telefonnaposlu.str(); }),
              computed<Osobe>("", [](const Osobe& oso) { return oso.prezime.str() + " " + oso.ime.str(); }),
              typedText("")},
};

Response selectPayeeForItem(AppContext& ctx, Osobe& oso, QWidget* parent) {
    return selectRecord(ctx, odabirOsobeZaDoh, oso, parent);
}

}  // namespace pramo
