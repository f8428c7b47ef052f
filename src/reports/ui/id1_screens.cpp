#include "reports/ui/id1_screens.h"

#include <charconv>
#include <filesystem>

#include "records/layouts/id1.h"
#include "records/layouts/subjekti.h"
#include "reports/id1/id1_xml.h"
#include "reports/id1/popratni_dopis.h"
#include "preview/ui/run_report.h"
#include "shell/form/form_screen.h"
#include "shell/list/list_panel.h"

namespace pramo {
namespace {

// A new header: not a cancellation, for the year before this one, with the last contact person.
void newHeader(FormScreen& form) {
    Id1& h = form.as<Id1>();
    h.storno = "false";
    h.godina = std::to_string(form.context().clock.today().year() - 1);
    copyContact(form.context().glo, h);
}

void keepContact(FormScreen& form) {
    if (form.request() != Request::Delete) copyContact(form.as<Id1>(), form.context().glo);
}

int yearOf(const Id1& h) {
    int year = 0;
    std::from_chars(h.godina.view().data(), h.godina.view().data() + h.godina.view().size(), year);
    return year;
}

void coverLetter(ListPanel& list) {
    const Id1* h = list.highlighted<Id1>();
    if (!h) return;
    const ReportArgs args{.payer = h->isplatitelj, .header = h->oznaka, .year = yearOf(*h)};
    startReport(popratniDopisReport, args, list.context(), &list);
    list.refresh();
}

// Writes the return of the highlighted header into the data directory and says where, whole, so
// that the user finds the file to file it; or why it was not written.
void xmlFile(ListPanel& list) {
    const Id1* h = list.highlighted<Id1>();
    if (!h) return;
    AppContext& ctx = list.context();
    const ScreenFiles use(ctx, id1XmlFiles());
    if (!use.ok()) return;
    const Id1XmlOutcome out = writeId1Xml(ctx.files, h->oznaka, ctx.dataDir);
    for (const MessageBox& note : out.notes) ctx.messages.ask(note);
    MessageBox box{.title = "FORMIRAJ DATOTEKU", .text = out.poruka, .icon = Icon::Exclamation};
    if (out.written()) {
        box.text = "XML datoteka kreirana\n" + std::filesystem::absolute(out.path).lexically_normal().string();
        box.icon = Icon::Information;
    }
    ctx.messages.ask(box);
}

}  // namespace

const FormSpec upisId1Obrasca{
    .table = &Id1::table,
    .insertCaption = "Upis ID-1 obrasca",
    .changeCaption = "Promjene ID-1 obrasca",
    .fields = {{.field = "OZNAKA", .label = "Oznaka:", .readOnly = true},
               {.field = "ISPLATITELJ", .label = "Isplatitelj:",
                .lookup = {.registered = true, .key = &Subjekti::keyOznaka, .shown = "NAZIV",
                           .openWhenUnmatched = true, .required = true}},
               {.field = "STORNO", .label = "Storno", .kind = FieldKind::Options,
                .options = {{"DA", "true"}, {"NE", "false"}}},
               {.field = "GODINA", .label = "Godina:"},
               {.label = "Odgovorna (kontakt) osoba za sadržaj medija za dostavu", .kind = FieldKind::Shown,
                .shown = [](FormScreen&) { return QString(); }},
               {.field = "KONIME", .label = "Ime:"},
               {.field = "KONPREZIME", .label = "Prezime:"},
               {.field = "KONPOZ1", .label = "Tel 1:"},
               {.field = "KONTEL1", .label = ""},
               {.field = "KONPOZ2", .label = "Tel 2:"},
               {.field = "KONTEL2", .label = ""},
               {.field = "KONEMAIL", .label = "Email:"}},
    .duplicateOrder = {&Id1::keyOznaka},
    .help = false,
    .hooks = {.defaults = newHeader, .saved = keepContact},
};

const ListSpec pregledId1Obrazaca{
    .table = &Id1::table,
    .caption = "ID-1 obrasci",
    .tabs = {{.title = "Po godini", .key = &Id1::keyIspGod, .locator = Locator::Step}},
    .columns = {lookup("Isplatitelj", "ISPLATITELJ", Subjekti::keyOznaka, "NAZIV"),
                lookup("OIB", "ISPLATITELJ", Subjekti::keyOznaka, "OIB"), column("Godina", "GODINA"),
                column("Storno", "STORNO"), column("Kontakt osoba", "KONIME"), column("", "KONPREZIME"),
                hidden(column("Oznaka", "OZNAKA")), hidden(column("Isplatitelj", "ISPLATITELJ")),
                hidden(column("Kon Poz 1", "KONPOZ1")), hidden(column("Kon Tel 1", "KONTEL1")),
                hidden(column("Kon Poz 2", "KONPOZ2"))},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .form = &upisId1Obrasca,
    .extraButtons = {{.text = "POPRATNI &DOPIS", .action = coverLetter},
                     {.text = "&FORMIRAJ DATOTEKU", .action = xmlFile}},
    .buttonTexts = {{ListButton::Insert, "&unos"}, {ListButton::Change, "&promjene"}, {ListButton::Delete, "&briši"},
                    {ListButton::Close, "&zatvori"}},
};

}  // namespace pramo
