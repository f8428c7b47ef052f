#include "payments/ui/payee_selection.h"

#include <QApplication>
#include <QClipboard>

#include "records/layouts/mjesta.h"
#include "records/layouts/ulice.h"
#include "registers/ui/register_lists.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"

namespace pramo {
namespace {

void copyOib(ListPanel& list) {
    const Osobe* oso = list.highlighted<Osobe>();
    if (!oso) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(oso->oib.str()));
    QApplication::beep();
}

void locatingHelp(ListPanel& list) {
    MessageBox box;
    box.title = "Uputa za lociranje osobe s liste";
    box.text = "Osobu s liste možete locirati i upisujući prva slova prezimena.\n"
               "Ako Vam to ne uspjeva kliknite lijevom tipkom miša na listu s osobama pa opet pokušajte";
    box.icon = Icon::Information;
    list.context().messages.ask(box);
}

const ListSpec mjestaZaOdabir{
    .table = &Mjesta::table,
    .tabs = {{.key = &Mjesta::keyNaziv, .locator = Locator::Step}},
    .columns = {column("Mjesto", "NAZIV"), column("Oznaka", "OZNAKA")},
    .buttons = {},
};

}  // namespace

const ListSpec odabirOsobeZaDoh{
    .table = &Osobe::table,
    .caption = "Pregled primatelja",
    .tabs = {{.title = "Po pr&ezimenu", .key = &Osobe::keyPrezimeIme, .locator = Locator::Incremental,
              .stops = ThumbStops::Surname, .filter = rowsWhere<Osobe>([](const Osobe& oso) { return !oso.oib.blank(); })},
             {.title = "Po mje&stu", .key = &Osobe::keyMjesto, .locator = Locator::None,
              .range = rangeFrom(mjestaZaOdabir, "MJESTO", "OZNAKA")}},
    .columns = {column("Prezime", "PREZIME"), column("Ime", "IME"), column("OIB", "OIB"),
                lookup("Mjesto", "MJESTO", Mjesta::keyOznaka, "NAZIV"), lookup("Ulica", "ULICA", Ulice::keyOznaka, "NAZIV"),
                column("K br", "KUCNIBROJ"), column("Oznaka", "OZNAKA"), column("Kućni telefon", "KUCNITELEFON"),
                column("Telefon na poslu", "TELEFONNAPOSLU"), hidden(column("Oznaka", "OZNAKA")),
                hidden(column("Mjesto", "MJESTO")), hidden(column("Ulica", "ULICA"))},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .hideSelect = true,
    .form = &upisOsobe,
    .extraButtons = {{.text = "OIB (Alt+Q)",
                      .toolTip = "Pritiskom na ovo dugme ili kombinacijom tipki Alt i Q\n"
                                 "kopirati ćete OIB u memoriju - ako ga želite koristiti u nekoj\n"
                                 "drugoj aplikaciji",
                      .shortcut = QKeySequence(Qt::ALT | Qt::Key_Q), .action = copyOib},
                     {.text = "Help", .action = locatingHelp}},
    .below = {column("", "OIB"),
              computed<Osobe>("Kontakt:", [](const Osobe& oso) { return oso.kucnitelefon.str() + "   " + oso.telefonnaposlu.str(); }),
              computed<Osobe>("", [](const Osobe& oso) { return oso.prezime.str() + " " + oso.ime.str(); }),
              typedText("")},
};

Response selectPayeeForItem(AppContext& ctx, Osobe& oso, QWidget* parent) {
    return selectRecord(ctx, odabirOsobeZaDoh, oso, parent);
}

}  // namespace pramo
