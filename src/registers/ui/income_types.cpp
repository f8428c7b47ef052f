#include "registers/ui/income_types.h"

#include "records/layouts/neoporez.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "registers/income_type_codes.h"
#include "registers/ui/code_books.h"
#include "reports/ui/run_report.h"
#include "reports/vrste_dohotka_ispis.h"
#include "shell/form/form_screen.h"
#include "shell/list/list_panel.h"

namespace pramo {
namespace {

void say(FormScreen& form, const std::string& text) {
    if (text.empty()) return;
    MessageBox box;
    box.title = form.windowTitle().toStdString();
    box.text = text;
    form.context().messages.ask(box);
}

// The receipt code was chosen or checked: a blank recipient code takes the code book's.
void receiptChosen(FormScreen& form) {
    auto& vrs = form.as<Vrstedoh>();
    if (const auto entry = receiptEntry(form.context().store, vrs)) say(form, matchRecipient(*entry, vrs));
    form.refreshFields();
}

bool nonTaxableAllowed(FormScreen& form) {
    const std::string refusal = nonTaxableRefusal(form.as<Vrstedoh>());
    say(form, refusal);
    return refusal.empty();
}

// A non-taxable receipt was chosen (or the entry names one): the type becomes a non-taxable receipt.
void nonTaxableChosen(FormScreen& form) {
    auto& vrs = form.as<Vrstedoh>();
    if (nonTaxableEntry(form.context().store, vrs)) markNonTaxable(vrs);
    form.refreshFields();
}

QString nonTaxableName(FormScreen& form) {
    const auto neo = nonTaxableEntry(form.context().store, form.as<Vrstedoh>());
    return neo ? QString::fromStdString(std::string(utf8::prefix(neo->naziv.view(), 500))) : QString();
}

QString receiptName(FormScreen& form) {
    const auto vbr = receiptEntry(form.context().store, form.as<Vrstedoh>());
    return vbr ? QString::fromStdString(vbr->naziv.str()) : QString();
}

bool kontrola(FormScreen& form) {
    const TypeVerdict verdict = checkCodes(form.context().store, form.as<Vrstedoh>());
    say(form, verdict.message);
    form.refreshFields();
    return verdict.store;
}

const std::vector<OptionSpec> whoseOib{{"I", "I"}, {"P", "P"}};

// A levy's row of the rates tab: its rate, its payment-account code and whose OIB its reference carries.
std::vector<FieldSpec> levy(std::string_view rate, const char* label, std::string_view account, std::string_view whose) {
    return {{.field = rate, .label = label},
            {.field = account, .label = "", .sameRow = true},
            {.field = whose, .label = "", .kind = FieldKind::Options, .options = whoseOib, .sameRow = true}};
}

std::vector<FieldSpec> ratesTab() {
    std::vector<FieldSpec> f{
        {.field = "OZNAKA", .label = "Oznaka:"},
        {.field = "NAZIV", .label = "Naziv:"},
        {.label = "", .kind = FieldKind::Shown,
         .shown = [](FormScreen&) { return QString("Stopa          Uplatni račun     Na OIB  (I - isplatitelja, P - primatelja)"); }},
        {.field = "NEOPOREZIVIDIO", .label = "Neoporezivi Dio:"},
        {.field = "PRIZNATITROSKOVI", .label = "Priznati Troskovi:"}};
    for (auto& row : {levy("MIROVINSKOISTUP", "Mirovinsko I stup:", "RNMOI", "TIPMOI"),
                      levy("MIROVINSKOIISTUP", "Mirovinsko II stup:", "RNMOII", "TIPMOII"),
                      levy("ZDRAVSTVENOOSIGURANJE", "Zdravstv. osiguranje:", "RNZO", "TIPZO")})
        f.insert(f.end(), row.begin(), row.end());
    f.push_back({.field = "OSOBNIODBITAK", .label = "Osobni Odbitak:"});
    for (auto& r : levy("POREZNASTOPA", "Porezna Stopa:", "RNPOREZ", "TIPPOREZ")) f.push_back(r);
    f.push_back({.field = "POREZOPCINE", .label = "Porez po nižoj stopi općine prebivališta (od 2024.)",
                 .kind = FieldKind::Options, .options = {{"DA", "DA"}, {"NE", "NE"}}});
    return f;
}

std::vector<FieldSpec> oldTab() {
    return {{.field = "OSNOVAOBRACUNA", .label = "Osnova Obracuna (RS-B):", .tab = 1},
            {.field = "STUPACIDD", .label = "Stupac u IDD obrascu", .tab = 1, .kind = FieldKind::Options,
             .options = {{"stupac 3: Čl. 32. st. 3. Zak. - doprinosi obvezni", "3"},
                         {"stupac 4: Čl. 32. st. 3. Zak. - ne plaćaju doprinose", "4"},
                         {"stupac 5: Čl.32. st. 5 Zak. - autorski i umjetnički rad", "5"},
                         {"stupac 6: Čl.32. st. 5 Zak. - športaši, umj. i novinari", "6"},
                         {"stupac 7: Čl.32. st. 5 Zak. - nerezidenti", "7"},
                         {"stupac 8: primitak učenika i studenata", "8"}},
             .vertical = true}};
}

std::vector<FieldSpec> jopTab() {
    return {{.field = "REZDECIMALA", .label = "Oznaka neoporez. primitka", .tab = 2,
             .lookup = {.list = &odabirNeoporezivog, .key = &Neoporez::keyShifra, .openWhenUnmatched = true,
                        .allowed = nonTaxableAllowed, .after = nonTaxableChosen},
             .format = {.places = 0}},
            {.label = "Obriši", .tab = 2, .kind = FieldKind::Button,
             .action = [](FormScreen& f) { setNonTaxableCode(f.as<Vrstedoh>(), 0); f.refreshFields(); }},
            {.label = "", .tab = 2, .kind = FieldKind::Shown, .shown = nonTaxableName, .wrap = true},
            {.label = "Šifre za JOP obrazac:", .tab = 2, .kind = FieldKind::Shown, .shown = [](FormScreen&) { return QString(); }},
            {.field = "REZSTRINGA", .label = "Oznaka stjecatelja / osiguranika", .tab = 2, .kind = FieldKind::Options,
             .options = {{"ne postoji obveza doprinosa (4001)", "01"}, {"dohodak od kapitala (1001)", "11"},
                         {"postoji obveza doprinosa (4002)", "02"}, {"Neoporezivi primitak (0000)", "00"}}, .vertical = true},
            {.field = "REZSTRINGB", .label = "Oznaka primitka:", .tab = 2,
             .lookup = {.list = &odabirVelikogBrata, .key = &Vbrat::keyShifra, .openWhenUnmatched = true,
                        .after = receiptChosen}},
            {.label = "", .tab = 2, .kind = FieldKind::Shown, .shown = receiptName, .wrap = true}};
}

std::vector<FieldSpec> typeFields() {
    std::vector<FieldSpec> f = ratesTab();
    for (auto& tab : {oldTab(), jopTab()}) f.insert(f.end(), tab.begin(), tab.end());
    return f;
}

void ispis(ListPanel& list) { startReport(ispisVrstaDohotkaReport, {}, list.context(), &list); }

}  // namespace

// The employment rate and "Više stopa" are not on the form: a type keeps what it was stored with.
const FormSpec upisVrsteDoh{
    .table = &Vrstedoh::table,
    .insertCaption = "Unos nove vrste dohotka",
    .changeCaption = "Promjene",
    .alsoReads = {&Vbrat::table, &Neoporez::table},
    .tabs = {"Stope", "Staro", "Neoporezivi primitak"},
    .fields = typeFields(),
    .defaults = {{"TIPMOI", "I"}, {"TIPMOII", "I"}, {"TIPZO", "I"}, {"TIPPOREZ", "P"}, {"VISESTOPA", "NE"},
                 {"STUPACIDD", "3"}, {"POREZOPCINE", "NE"}},
    .duplicateOrder = {&Vrstedoh::keyOznaka},
    .help = false,
    .hooks = {.opened = [](FormScreen& f) { if (f.request() != Request::Delete) receiptChosen(f); },
              .validate = kontrola},
};

const ListSpec vrsteDohotka{
    .table = &Vrstedoh::table,
    .caption = "Pregled vrsta dohotka",
    .tabs = {{.key = &Vrstedoh::keyOznaka, .locator = Locator::Incremental}},
    .columns = {column("Ozn", "OZNAKA"), column("Naziv", "NAZIV"), column("Neop.", "REZDECIMALA", {.places = 0}),
                column("OzStj.", "REZSTRINGA"), column("Oz.prim", "REZSTRINGB"), column("Neop. dio", "NEOPOREZIVIDIO"),
                column("% izdat.", "PRIZNATITROSKOVI"), column("MO I.st.", "MIROVINSKOISTUP"),
                column("MO II. st.", "MIROVINSKOIISTUP"), column("Z.O.", "ZDRAVSTVENOOSIGURANJE"),
                column("Por.stopa", "POREZNASTOPA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .hideSelect = true,
    .form = &upisVrsteDoh,
    .extraButtons = {{.text = "ISPIS", .action = ispis}},
    .below = {column("", "NAZIV"), typedText("")},
    .alsoReads = {&Vbrat::table},
};

}  // namespace pramo
