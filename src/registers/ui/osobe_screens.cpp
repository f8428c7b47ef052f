// Payees: the list with its two orders (by surname, and by place beside the places) and the
// payee form.

#include <QApplication>
#include <QClipboard>

#include "records/layouts/opcine.h"
#include "records/values/number_format.h"
#include "registers/tax_account.h"
#include "registers/ui/person_hooks.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"

namespace pramo {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The municipality of the payee's residence (through the place); a blank record when there is none.
Opcine residence(FormScreen& form) {
    Mjesta mje;
    Opcine opc;
    if (ok(readLinked(form.context().store, form.as<Osobe>().mjesto, mje))) (void)readLinked(form.context().store, mje.opcina, opc);
    return opc.oznaka != 0 ? opc : Opcine{};
}

QString surtaxRate(FormScreen& form) { return text(screenAmount(residence(form).stopaprireza)); }

QString taxAccount(FormScreen& form) {
    const Opcine opc = residence(form);
    if (opc.oznaka == 0) return {};
    return text(opc.rkont.view()) + " " + text(treasuryBankCode) + " " + text(opc.racunporez.view());
}

QString municipality(FormScreen& form) {
    const Opcine opc = residence(form);
    return text(opc.shifra.view()) + "  " + text(opc.naziv.view());
}

// The code of the work municipality is entered only for a payee who works elsewhere.
void showWorkMunicipality(FormScreen& form) { form.setFieldEnabled("EMAIL", form.as<Osobe>().fax == "DA"); }

void payeeAccepted(FormScreen& form, std::string_view field) {
    personAccepted<Osobe>(form, field);
    if (field != "FAX") return;
    showWorkMunicipality(form);
    if (form.as<Osobe>().fax == "DA") keepFocusOn(form, "EMAIL");
}

void payeeLookedUp(FormScreen& form, std::string_view field) {
    addressLookedUp<Osobe>(form, field);
    if (field == "BANKA") keepFocusOn(form, "MODEL");
}

const std::vector<OptionSpec> daNe{{.text = "&DA", .value = "DA"}, {.text = "&NE", .value = "NE"}};
const QString paymentData = "Podaci za uplatu";

}  // namespace

const FormSpec upisOsobe{
    .table = &Osobe::table,
    .insertCaption = "Unos novog primatelja",
    .changeCaption = "Promjene",
    .alsoReads = {&Opcine::table},
    .tabs = {"&Opći podaci", "Obračun &dohotka", "&Bankovni račun", "&Kontakt"},
    .fields = {{.field = "IME", .label = "Ime:"},
               {.field = "PREZIME", .label = "Prezime:"},
               {.field = "JMBG", .label = "JMBG:"},
               {.field = "OIB", .label = "OIB:"},
               {.field = "MJESTO", .label = "Mjesto:", .lookup = placeLookup},
               {.field = "ULICA", .label = "Adresa:", .lookup = streetLookup},
               {.field = "KUCNIBROJ", .sameRow = true},
               {.field = "DRUGISTUP", .label = "Drugi stup", .tab = 1, .kind = FieldKind::Options, .options = daNe},
               {.label = "Stopa prireza:", .tab = 1, .kind = FieldKind::Shown, .shown = surtaxRate},
               {.field = "FAKTORODBITKA", .label = "%", .tab = 1, .sameRow = true},
               {.field = "FAX", .label = "Općina rada različita od općine prebivališta", .tab = 1,
                .kind = FieldKind::Options, .options = daNe},
               {.field = "EMAIL", .label = "Šifra općine rada:", .tab = 1, .maxLength = 4},
               {.label = "Račun poreza:", .tab = 1, .kind = FieldKind::Shown, .shown = taxAccount},
               {.label = "Općina:", .tab = 1, .kind = FieldKind::Shown, .shown = municipality},
               {.field = "BANKA", .label = "Banka:", .tab = 2, .lookup = bankLookup},
               {.field = "MODEL", .label = "Model", .tab = 2, .group = paymentData},
               {.field = "RKONT", .label = "IBAN:", .tab = 2, .group = paymentData},
               {.tab = 2, .kind = FieldKind::Shown, .shown = bankCodeOf<Osobe>, .sameRow = true, .group = paymentData},
               {.field = "RACUN", .tab = 2, .sameRow = true, .group = paymentData},
               {.field = "RACUNPOZIV", .label = "Poziv na broj", .tab = 2, .group = paymentData},
               {.field = "KUCNITELEFON", .label = "Kućni telefon", .tab = 3},
               {.field = "TELEFONNAPOSLU", .label = "Tel. na poslu:", .tab = 3}},
    .defaults = {{.field = "DRUGISTUP", .value = "DA"}, {.field = "FAX", .value = "NE"}},
    .duplicateOrder = {&Osobe::keyOznaka, &Osobe::keyOib},
    .hooks = {.opened = showWorkMunicipality, .accepted = payeeAccepted, .lookedUp = payeeLookedUp},
};

const ListSpec mjestaZaOsobe{
    .table = &Mjesta::table,
    .tabs = {{.key = &Mjesta::keyNaziv, .locator = Locator::Step}},
    .columns = {column("Mjesto", "NAZIV"), column("Oznaka", "OZNAKA")},
    .buttons = {},
};

std::vector<ColumnSpec> payeeColumns(std::vector<ColumnSpec> more) {
    std::vector<ColumnSpec> columns{column("Prezime", "PREZIME"), column("Ime", "IME"), column("OIB", "OIB"),
                                    lookup("Mjesto", "MJESTO", Mjesta::keyOznaka, "NAZIV"),
                                    lookup("Ulica", "ULICA", Ulice::keyOznaka, "NAZIV"), column("K br", "KUCNIBROJ")};
    columns.insert(columns.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    return columns;
}

ExtraButton payeeOibButton() {
    return {.text = "OIB (Alt+Q)",
            .toolTip = "Pritiskom na ovo dugme ili kombinacijom tipki Alt i Q\n"
                       "kopirati ćete OIB u memoriju - ako ga želite koristiti u nekoj\n"
                       "drugoj aplikaciji",
            .shortcut = QKeySequence(Qt::ALT | Qt::Key_Q),
            .action = [](ListPanel& list) {
                const Osobe* oso = list.highlighted<Osobe>();
                if (!oso) return;
                QGuiApplication::clipboard()->setText(text(oso->oib.view()));
                QApplication::beep();
            }};
}

void payeeLocatingHelp(ListPanel& list) {
    MessageBox box;
    box.title = "Uputa za lociranje osobe s liste";
    box.text = "Osobu s liste možete locirati i upisujući prva slova prezimena.\n"
               "Ako Vam to ne uspjeva kliknite lijevom tipkom miša na listu s osobama pa opet pokušajte";
    box.icon = Icon::Information;
    list.context().messages.ask(box);
}

const ListSpec osobeList{
    .table = &Osobe::table,
    .caption = "Pregled primatelja",
    .tabs = {{.title = "Po pr&ezimenu", .key = &Osobe::keyPrezimeIme, .locator = Locator::Incremental,
              .locatorEntry = true, .stops = ThumbStops::Surname},
             {.title = "Po mje&stu", .key = &Osobe::keyMjesto, .locator = Locator::None,
              .range = rangeFrom(mjestaZaOsobe, "MJESTO", "OZNAKA")}},
    .columns = payeeColumns({column("Oznaka", "MJESTO"), column("Kućni telefon", "KUCNITELEFON"),
                             column("Telefon na poslu", "TELEFONNAPOSLU"), column("Br. primatelja", "OZNAKA"),
                             column("Br. mjesta", "MJESTO"), column("Br. ulice", "ULICA")}),
    .hideSelect = true,
    .form = &upisOsobe,
    .extraButtons = {payeeOibButton(), {.text = "Uputa", .action = payeeLocatingHelp, .tab = 0}},
    .below = {computed<Osobe>("", [](const Osobe& oso) { return oso.prezime.str() + " " + oso.ime.str(); }),
              column("", "OIB"),
              computed<Osobe>("Kontakt:", [](const Osobe& oso) { return oso.kucnitelefon.str() + "   " + oso.telefonnaposlu.str(); })},
};

Response selectPayee(AppContext& ctx, Osobe& oso, QWidget* parent) { return selectRecord(ctx, osobeList, oso, parent); }

}  // namespace pramo
