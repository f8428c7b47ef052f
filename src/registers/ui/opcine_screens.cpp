// Municipalities: the list with the places of the highlighted municipality below it, the list a
// place form chooses from, and the three forms.

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/store/read_linked.h"
#include "registers/tax_account.h"
#include "registers/ui/form_messages.h"
#include "registers/ui/register_lists.h"
#include "reports/opcine_ispis.h"
#include "preview/ui/run_report.h"
#include "shell/list/list_panel.h"

namespace pramo {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The code check of a municipality form: a refused code is cleared after its message.
bool codeAccepted(FormScreen& form, CodeCheck (*check)(std::string_view)) {
    Opcine& opc = form.as<Opcine>();
    opc.shifra = registerCode(opc.shifra.view());
    const CodeCheck c = check(opc.shifra.view());
    if (c == CodeCheck::Accepted) return true;
    tell(form, codeMessage(c));
    opc.shifra = "";
    keepFocusOn(form, "SHIFRA");
    return false;
}

// The account button: the code is checked, and an accepted one gives the tax account and its IBAN
// check digits. The form opened from the selection list checks the code its own way; there too
// the check digits are derived, so that the municipality's tax orders carry the whole IBAN.
void deriveAccount(FormScreen& form, CodeCheck (*check)(std::string_view)) {
    if (codeAccepted(form, check)) kontrola(form.as<Opcine>());
    form.refreshFields();
}

void pressIban(FormScreen& form) { deriveAccount(form, checkCode); }
void pressRacun(FormScreen& form) { deriveAccount(form, checkCodeFromSelection); }

void codeTyped(FormScreen& form, std::string_view field) {
    if (field == "SHIFRA" && form.as<Opcine>().rkont.blank()) pressIban(form);
}

bool municipalityComplete(FormScreen& form) {
    if (!codeAccepted(form, checkCode)) {
        form.refreshFields();
        return false;
    }
    kontrola(form.as<Opcine>());
    if (form.as<Opcine>().naziv.blank()) tell(form, "Unesi naziv općine");  // a warning only
    return true;
}

const std::vector<StepButton> rateSteps{{.text = "+1", .arrow = Qt::UpArrow, .delta = 1},
                                        {.text = "-1", .arrow = Qt::DownArrow, .delta = -1}};

// A new municipality saved from the municipalities list is followed at once by the form of its
// first place (GLO:AKCIJA marks the request while the place form runs).
void afterMunicipalityForm(ListPanel& list, Request request, Response response) {
    Globals& glo = list.context().glo;
    if (request == Request::Insert && response == Response::Completed) {
        glo.akcija = "UnesiMjesto";
        if (ListPanel* places = list.linkedPanel(mjestaUOpcini)) places->insertRecord();
    }
    glo.akcija = "";
}

QString municipalityOf(FormScreen& form) {
    Opcine opc;
    if (!ok(readLinked(form.context().store, form.as<Mjesta>().opcina, opc))) return {};
    return text(opc.naziv.view());
}

}  // namespace

const FormSpec upisOpcine{
    .table = &Opcine::table,
    .insertCaption = "Unos nove općine",
    .changeCaption = "Promjene podataka o općini",
    .fields = {{.field = "NAZIV", .label = "Naziv:"},
               {.field = "SHIFRA", .label = "Šifra grada/općine:", .toolTip = "unesite četveroznamenkasti broj"},
               {.label = "IBAN:", .kind = FieldKind::Button,
                .shown = [](FormScreen& f) {
                    const Opcine& opc = f.as<Opcine>();
                    return text(opc.rkont.view()) + " " + text(treasuryBankCode) + " " + text(opc.racunporez.view());
                },
                .action = pressIban},
               {.field = "STOPAPRIREZA", .label = "Stopa Prireza:", .steps = rateSteps, .upKey = 1, .downKey = -1},
               {.kind = FieldKind::List, .list = &stopeUOpcini}},
    .hooks = {.accepted = codeTyped, .validate = municipalityComplete},
};

const FormSpec upisIzOdabiraOpcine{
    .table = &Opcine::table,
    .insertCaption = "Unos nove općine",
    .changeCaption = "Promjene podataka o općini",
    .fields = {{.field = "NAZIV", .label = "Naziv:"},
               {.field = "SHIFRA", .label = "Shifra grada/općine:", .toolTip = "unesite četveroznamenkasti broj"},
               {.label = "Račun", .kind = FieldKind::Button,
                .shown = [](FormScreen& f) { return text(treasuryBankCode) + " - " + text(f.as<Opcine>().racunporez.view()); },
                .action = pressRacun},
               {.field = "STOPAPRIREZA", .label = "Stopa Prireza:", .steps = rateSteps, .upKey = 1, .downKey = -1}},
};

const FormSpec upisMjestaIzOpcine{
    .table = &Mjesta::table,
    .insertCaption = "Upis mjesta u šifrarnik",
    .changeCaption = "Promjene - mjesta",
    .alsoReads = {&Opcine::table},
    .fields = {{.field = "NAZIV", .label = "Naziv:"},
               {.label = "Općina:", .kind = FieldKind::Shown, .shown = municipalityOf},
               {.field = "POSTBROJ", .label = "Post Broj:"}},
};

const ListSpec mjestaUOpcini{
    .table = &Mjesta::table,
    .caption = "Mjesta u odabranoj općini:",
    .tabs = {{.key = &Mjesta::keyOpcina, .locator = Locator::None, .range = rangeFrom(opcineList, "OPCINA", "OZNAKA")}},
    .columns = {column("Mjesto", "NAZIV"), column("Post Broj", "POSTBROJ"), column("Općina", "OPCINA"),
                column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete,
    .form = &upisMjestaIzOpcine,
};

const ListSpec opcineList{
    .table = &Opcine::table,
    .caption = "Pregled općina",
    .tabs = {{.title = "Općine [F5]", .key = &Opcine::keyNaziv, .locator = Locator::Entry}},
    .columns = {column("Naziv", "NAZIV"), column("šifra", "SHIFRA"),
                column("% Prireza", "STOPAPRIREZA", {.places = 3, .blankWhenZero = true}), column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .form = &upisOpcine,
    .extraButtons = {{.text = "&Ispis", .toolTip = "Ispis popisa općina",
                      .action = [](ListPanel& list) { startReport(opcineIspisReport, {}, list.context(), &list); }}},
    .below = {column("Stopa prireza:", "STOPAPRIREZA")},
    .details = {&mjestaUOpcini},
    .hooks = {.afterForm = afterMunicipalityForm},
};

const ListSpec odabirOpcine{
    .table = &Opcine::table,
    .caption = "Pregled općina",
    .tabs = {{.title = "Općine", .key = &Opcine::keyNaziv, .locator = Locator::Incremental}},  // some 570 names: typed, not stepped through
    .columns = {column("Naziv", "NAZIV"), column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .form = &upisIzOdabiraOpcine,
};

}  // namespace pramo
