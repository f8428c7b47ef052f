#include "crisistax/ui/kriznica_screens.h"

#include <charconv>

#include "crisistax/azuriranje_podataka.h"
#include "crisistax/ispis_kriznice.h"
#include "crisistax/vrste_primitka.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/subjekti.h"
#include "records/store/read_linked.h"
#include "preview/ui/run_report.h"
#include "shell/screen_files.h"
#include "shell/form/form_screen.h"
#include "shell/list/list_panel.h"
#include "shell/screen_registry.h"

namespace pramo {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Amounts as printed: a point between thousands, blank when zero.
constexpr FieldFormat printed{.blankWhenZero = true, .use = NumberUse::Print};

void say(FormScreen& form, const std::string& text) {
    form.context().messages.ask(namedBox(form.windowTitle().toStdString(), text, "OK", Icon::Exclamation));
}

// The list and the lines below it show the store as it now is.
void refreshWindow(ListPanel& list) {
    for (ListPanel* panel : list.parentWidget()->findChildren<ListPanel*>()) panel->refresh();
}

// AŽURIRANJE PODATAKA for the highlighted return.
void azuriraj(ListPanel& list) {
    const Kriznica* kri = list.highlighted<Kriznica>();
    if (!kri) return;
    const std::int32_t oznaka = kri->oznaka;
    AppContext& ctx = list.context();
    ScreenFiles use(ctx, azuriranjeFiles());
    if (!use.ok()) return;
    const FillOutcome out = azuriranjePodataka(ctx.store, oznaka);
    if (out.message) ctx.messages.ask(*out.message);
    refreshWindow(list);
}

// ISPIS OBRASCA: the highlighted return through the preview.
void ispisi(ListPanel& list) {
    const Kriznica* kri = list.highlighted<Kriznica>();
    if (!kri) return;
    ReportArgs args;
    args.kriznica = kri->oznaka;
    startReport(ispisKrizniceReport, args, list.context(), &list);
    refreshWindow(list);
}

// A new return is for the current month.
void thisMonth(FormScreen& form) {
    const Date today = form.context().clock.today();
    Kriznica& kri = form.as<Kriznica>();
    kri.godina = std::to_string(today.year());
    kri.mjesec = static_cast<std::uint8_t>(today.month());
}

bool isYear(std::string_view text) {
    int year = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
    return ec == std::errc{} && end == text.data() + text.size() && year > 0;
}

// The payments of a return are found by its year and month: both must be ones a date can have.
bool validMonth(FormScreen& form) {
    const Kriznica& kri = form.as<Kriznica>();
    if (!isYear(kri.godina.view())) {
        say(form, "Godina mora biti broj, na primjer 2010.");
        form.focusField("GODINA");
        return false;
    }
    if (kri.mjesec < 1 || kri.mjesec > 12) {
        say(form, "Mjesec mora biti broj od 1 do 12.");
        form.focusField("MJESEC");
        return false;
    }
    return true;
}

// One return per payer and month, one line per kind in a return: a change that would repeat one
// is refused naming the key, as a new record's duplicate is, and the form stays open.
bool unique(FormScreen& form, const KeyDef& key) {
    if (!form.context().store.collidesRaw(key, form.record().get())) return true;
    showWarning(form.context().messages, form.context().store, Warning::DuplicateKey, key.displayName());
    return false;
}

bool validReturn(FormScreen& form) { return validMonth(form) && unique(form, Kriznica::keyGlavni); }

// A line belongs to a return that exists (none is highlighted, or another station deleted it).
bool returnExists(FormScreen& form) {
    Kriznica kri;
    const std::int32_t kriznica = form.as<Detkriz>().kriznica;
    if (ok(readLinked(form.context().store, kriznica, kri))) return true;
    say(form, "Obrazac broj " + std::to_string(kriznica) + " ne postoji; pozicija se ne može spremiti.");
    return false;
}

bool validLine(FormScreen& form) { return returnExists(form) && unique(form, Detkriz::keyGlavni); }

std::vector<OptionSpec> vrstaOptions() {
    std::vector<OptionSpec> options;
    for (const VrstaPrimitkaText& v : vrstePrimitka) options.push_back({q(v.form), std::to_string(number(v.vrsta))});
    return options;
}

}  // namespace

const FormSpec unosKriznice{
    .table = &Kriznica::table,
    .insertCaption = "Unos obrasca",
    .changeCaption = "Promjene",
    .fields = {{.field = "ISPLATITELJ", .label = "Isplatitelj:",
                .lookup = {.registered = true, .key = &Subjekti::keyOznaka, .shown = "NAZIV",
                           .openWhenUnmatched = true, .required = true}},
               {.field = "GODINA", .label = "Godina:"},
               {.field = "MJESEC", .label = "Mjesec:"},
               {.field = "BILJESKE", .label = "Bilješke:"}},
    .duplicateOrder = {&Kriznica::keyOznaka, &Kriznica::keyGlavni},
    .help = false,
    .hooks = {.defaults = thisMonth, .validate = validReturn},
};

const FormSpec unosDetkriz{
    .table = &Detkriz::table,
    .insertCaption = "Unos pozicija",
    .changeCaption = "Promjene",
    .alsoReads = {&Kriznica::table},
    .fields = {{.field = "KRIZNICA", .label = "Obrazac:", .readOnly = true},
               {.field = "VRSTA", .label = "Vrsta primitka", .kind = FieldKind::Options, .options = vrstaOptions()},
               {.field = "BROJ", .label = "Broj ljudi:"},
               {.field = "OSNOVICA", .label = "Osnovica:"},
               {.field = "IZNOS", .label = "Iznos:"}},
    .defaults = {{.field = "VRSTA", .value = "1"}},
    .duplicateOrder = {&Detkriz::keyGlavni},
    .reserveNumber = false,
    .help = false,
    .hooks = {.validate = validLine},
};

const ListSpec pozicijeObrasca{
    .table = &Detkriz::table,
    .caption = "Pozicije u obrascu:",
    .tabs = {{.key = &Detkriz::keyGlavni, .locator = Locator::None,
              .range = rangeFrom(pregledKriznice, "KRIZNICA", "OZNAKA")}},
    .columns = {column("Vrsta", "VRSTA"), column("Broj", "BROJ"), column("Osnovica", "OSNOVICA", printed),
                column("Iznos", "IZNOS", printed)},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete,
    .form = &unosDetkriz,
    .buttonTexts = {{ListButton::Insert, "&Unos"}, {ListButton::Change, "&Otvori"}},
};

// The payer's name and tax number are shown under one heading.
const ListSpec pregledKriznice{
    .table = &Kriznica::table,
    .caption = "Krizni porez",
    .tabs = {{.key = &Kriznica::keyGlavni, .locator = Locator::None}},
    .columns = {lookup("ISPLATITELJ", "ISPLATITELJ", Subjekti::keyOznaka, "NAZIV"),
                lookup("", "ISPLATITELJ", Subjekti::keyOznaka, "POREZNIBROJ"), column("Godina", "GODINA"),
                column("Mjesec", "MJESEC"), hidden(column("Oznaka", "OZNAKA")),
                hidden(column("Isplatitelj", "ISPLATITELJ")), hidden(column("Biljeske", "BILJESKE"))},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .form = &unosKriznice,
    .extraButtons = {{.text = "AŽURIRANJE PODATAKA", .action = azuriraj}, {.text = "ISPIS OBRASCA", .action = ispisi}},
    .below = {column("Bilješke:", "BILJESKE")},
    .details = {&pozicijeObrasca},
};

void registerCrisisTaxScreens(ScreenRegistry& registry) { registry.add(MenuCommand::KrizniPorez, pregledKriznice); }

}  // namespace pramo
