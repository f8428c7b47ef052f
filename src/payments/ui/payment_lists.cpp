#include "payments/ui/payment_lists.h"

#include "payments/payment_dates.h"
#include "payments/ui/item_form.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/obracun.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"
#include "shell/form/form_screen.h"
#include "shell/form/record_form.h"
#include "shell/list/list_panel.h"

namespace pramo {
namespace {

const QString arrowsTip = " - možete koristiti strelice LIJEVO i DESNO - za kretanje od liste do liste";

// A new payment of the highlighted payer on the first day from today on that the payer has free.
void primeNewPayment(ListPanel& list, Isplate& isp) {
    AppContext& ctx = list.context();
    if (!ok(firstFreeDay(ctx.store, isp.isplatitelj, ctx.clock.today(), isp)))
        showWarning(ctx.messages, ctx.store, Warning::RetrievalError, Isplate::table.label);
}

QString payerField(FormScreen& f, std::string_view field) {
    Subjekti sub;
    if (!ok(readLinked(f.context().store, f.as<Isplate>().isplatitelj, sub))) return {};
    return QString::fromStdString(field == "OIB" ? sub.oib.str() : sub.naziv.str());
}

// LOCDAN: from 2014 on the date gives the RS Id; the year always follows the date.
void locdan(FormScreen& f) {
    rsIdFromDate(f.as<Isplate>());
    yearFollowsDate(f.as<Isplate>());
    f.refreshFields();
}

// A payer has one payment per year and RS Id: a clash names its key and the form stays open
// (also when a stored payment is changed).
bool noClash(FormScreen& f) {
    AppContext& ctx = f.context();
    const KeyDef* key = firstCollision(ctx.store, upisIsplate.duplicateOrder, f.record());
    if (key) showWarning(ctx.messages, ctx.store, Warning::DuplicateKey, key->displayName());
    return key == nullptr;
}

// A new payment that already holds items is thrown away, items and all, only when the user says
// so ("NE" the default, so that Enter keeps them).
bool mayDropNewPayment(FormScreen& f) {
    const ListPanel* items = f.list();
    if (!items || items->page().empty()) return true;
    constexpr int answerDa = 1;
    return f.context().messages.ask(destroyingQuestion(f.windowTitle().toStdString(), dropNewPaymentQuestion)) == answerDa;
}

// A new payment left without OK goes with every item entered for it, their lines and slots: one
// transaction.
void removeNewPayment(FormScreen& f) {
    Isplate& isp = f.as<Isplate>();
    riRemove(f.context(), isp);  // a failure shows its message
}

// Names start narrower than their fields hold, so that the items' columns fit beside the payers
// and payments; a longer value widens its column when shown.
ColumnSpec payeeColumn(QString title, std::string_view field, int chars = 0) {
    return startingWidth(lookup(std::move(title), "DJELATNIK", Osobe::keyOznaka, field), chars);
}

ColumnSpec typeColumn(QString title, std::string_view field, int chars = 0) {
    return startingWidth(lookup(std::move(title), "VRSTADOHOTKA", Vrstedoh::keyOznaka, field), chars);
}

}  // namespace

const ListSpec isplatiteljiIsplate{
    .table = &Subjekti::table,
    .tabs = {{.key = &Subjekti::keyNaziv, .locator = Locator::Step}},
    .columns = {startingWidth(column("Isplatitelj", "NAZIV"), 24), column("Oznaka", "OZNAKA")},
    .buttons = {},
    .toolTip = "Pregled isplatitelja" + arrowsTip,
};

const ListSpec isplateDohoci{
    .table = &Dohoci::table,
    .caption = "Primatelji:",
    .tabs = {{.key = &Dohoci::keyIsplata, .locator = Locator::None, .range = rangeFrom(isplateList, "ISPLATA", "OZNAKA")}},
    .columns = {column("R.br", "REDNIBROJ"), payeeColumn("Prezime", "PREZIME", 14), payeeColumn("Ime", "IME", 10),
                column("Neto", "NETO"), typeColumn("Oz.prim.", "REZSTRINGB", 4), typeColumn("Vrsta doh.", "NAZIV", 20),
                column("Isplata", "ISPLATA"), column("Oznaka", "OZNAKA")},
    .buttons = {},
    .toolTip = "Pregled primatelja po odabranoj isplati" + arrowsTip,
};

const ListSpec isplateList{
    .table = &Isplate::table,
    .caption = "Isplate (F5)",
    .tabs = {{.key = &Isplate::keyRsidIsplatitelj, .locator = Locator::Incremental,
              .range = rangeFrom(isplatiteljiIsplate, "ISPLATITELJ", "OZNAKA")}},
    .columns = {column("RS Id", "RSID"), column("Godina", "GODINA"), column("Datum", "DATUM"), column("Oznaka", "OZNAKA"),
                column("Isplatitelj", "ISPLATITELJ")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .selectText = "&Select",
    .hideSelect = true,
    .form = &upisIsplate,
    .buttonTips = {{ListButton::Insert, "Brza tipka - numeričko +"}},
    .toolTip = "Preglednik isplata" + arrowsTip,
    .hooks = {.primeInsert = primeWith<Isplate>(primeNewPayment)},
};

const ListSpec upisIsplateDohoci{
    .table = &Dohoci::table,
    .caption = "Primatelji",
    .tabs = {{.key = &Dohoci::keyIsplata, .locator = Locator::None,
              .range = rangeFromForm<Dohoci, Isplate>(1, [](const Isplate& isp, Dohoci& seek) { seek.isplata = isp.oznaka; })}},
    .columns = {column("R Br", "REDNIBROJ"), payeeColumn("Ime", "IME"), payeeColumn("Prezime", "PREZIME"),
                payeeColumn("OIB", "OIB"), column("Neto", "NETO"), typeColumn("Vrsta", "NAZIV")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete,
    .form = &updateDohoci,
    .buttonTips = {{ListButton::Insert, "Unos novog primatelja"},
                   {ListButton::Change, "Promjene za odabranog primatelja"},
                   {ListButton::Delete, "Briši odabranog primatelja"}},
    .hooks = {.primeInsert = primeWith<Dohoci>([](ListPanel& list, Dohoci&) { list.context().glo.akcija = payeeFirstAction; })},
};

const FormSpec upisIsplate{
    .table = &Isplate::table,
    .insertCaption = "Unos nove isplate",
    .changeCaption = "Promjene",
    .alsoReads = {&Subjekti::table, &Dohoci::table, &Obracun::table, &Svasta::table, &Jopo::table},
    .fields = {{.label = "Isplatitelj:", .kind = FieldKind::Shown, .shown = [](FormScreen& f) { return payerField(f, "NAZIV"); }},
               {.label = "OIB:", .kind = FieldKind::Shown, .shown = [](FormScreen& f) { return payerField(f, "OIB"); }},
               {.field = "RSID", .label = "RS Id:", .keypadStep = 1},
               {.field = "DATUM", .label = "Datum:",
                .steps = {{.arrow = Qt::UpArrow, .delta = 1}, {.arrow = Qt::DownArrow, .delta = -1}}, .keypadStep = 1},
               {.label = "", .kind = FieldKind::Shown,
                .shown = [](FormScreen& f) { return QString::fromStdString(rsIdOf(f.as<Isplate>().datum)); }},
               {.field = "GODINA", .label = "Godina:", .readOnly = true},
               {.kind = FieldKind::List, .list = &upisIsplateDohoci}},
    .duplicateOrder = {&Isplate::keyOznaka, &Isplate::keyRsidIsplatitelj},
    .help = false,
    .hooks = {.opened = locdan,
              .accepted = [](FormScreen& f, std::string_view field) { if (field == "DATUM") locdan(f); },
              .validate = noClash,
              .mayCancelInsert = mayDropNewPayment,
              .cancelInsert = removeNewPayment},
};

}  // namespace pramo
