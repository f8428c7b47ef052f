#include "joppd/ui/joppd_screens.h"

#include "joppd/page_a.h"
#include "joppd/page_b.h"
#include "joppd/ui/joppd_commands.h"
#include "preview/ui/run_report.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/subjekti.h"
#include "records/store/read_linked.h"
#include "shell/form/form_screen.h"
#include "shell/list/list_panel.h"
#include "shell/screen_registry.h"

namespace pramo {
namespace {

// The payer of a payment; blank when the payment or the payer does not exist.
std::string payerOf(Store& store, std::int32_t isplata) {
    Isplate isp;
    Subjekti sub;
    if (!ok(readLinked(store, isplata, isp)) || !ok(readLinked(store, isp.isplatitelj, sub))) return {};
    return sub.naziv.str();
}

void kreirajXml(ListPanel& list) {
    const Jopo* jopo = list.highlighted<Jopo>();
    if (!jopo) return;
    kreirajXmlDatoteku(list.context(), jopo->oznaka, &list);
    list.refresh();
}

}  // namespace

const FormSpec jopoPromjeneObr{
    .table = &Jopo::table,
    .insertCaption = "Adding a jopo Record",
    .changeCaption = "Promjene",
    .alsoReads = {&Subjekti::table},
    .fields = {{.field = "ISPLATA", .label = "Isplata:", .lookup = {.key = &Isplate::keyOznaka, .shown = "RSID"}},
               {.label = "", .kind = FieldKind::Shown,
                .shown = [](FormScreen& f) {
                    return QString::fromStdString(payerOf(f.context().store, f.as<Jopo>().isplata));
                }},
               {.field = "RBR", .label = "Rbr:"},
               {.field = "IMEAUTORA", .label = "Ime Autora:"},
               {.field = "PREZIMEAUTORA", .label = "Prezime Autora:"},
               {.field = "EMAIL", .label = "Email:"},
               {.field = "DATOTEKA", .label = "Datoteka:"},
               {.field = "UJED", .label = ""},
               {.field = "OZNAKA", .label = ""}},
    .duplicateOrder = {&Jopo::keyOznaka, &Jopo::keyJedinstvo, &Jopo::keyUjed},
    .help = false,
};

const ListSpec jopoObrasci{
    .table = &Jopo::table,
    .caption = "Pregled JOP obrazaca (koji su kreirani u pregledu isplata)",
    .tabs = {{.title = "Po isplatama", .key = &Jopo::keyJedinstvo, .locator = Locator::None}},
    .columns = {column("Oznaka", "OZNAKA"), lookup("Ident", "ISPLATA", Isplate::keyOznaka, "RSID"),
                computed<Jopo>("Isplatitelj", [](Store& store, const Jopo& j) { return payerOf(store, j.isplata); }),
                column("Rbr", "RBR"), column("Ime autora", "IMEAUTORA"), column("Prezime autora", "PREZIMEAUTORA"),
                column("Email", "EMAIL"), column("Datoteka", "DATOTEKA"), column("Ujed", "UJED"),
                column("Isplata", "ISPLATA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close,
    .hideSelect = true,
    .form = &jopoPromjeneObr,
    .extraButtons = {{.text = "KREIRAJ XML DATOTEKU (Alt X)", .shortcut = QKeySequence(Qt::ALT | Qt::Key_X),
                      .action = kreirajXml}},
    .buttonTexts = {{ListButton::Insert, "&Insert"}, {ListButton::Change, "promjene"}, {ListButton::Delete, "briši"},
                    {ListButton::Select, "&Select"}, {ListButton::Close, "zatvori"}},
    .keys = {{QKeyCombination(Qt::KeypadModifier, Qt::Key_Minus), [](ListPanel& l) { l.deleteRecord(); }},
             {QKeyCombination(Qt::KeypadModifier, Qt::Key_Slash), [](ListPanel& l) { l.changeRecord(); }},
             {QKeyCombination(Qt::KeypadModifier, Qt::Key_Asterisk), [](ListPanel& l) { l.closeList(); }}},
    .below = {column("Datoteka:", "DATOTEKA"), column("Ujed:", "UJED")},
    .alsoReads = {&Isplate::table, &Subjekti::table},
};

void registerJoppdScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::JopObrasci, jopoObrasci);
    registry.command({"JOP - A", {}, {}, CommandPlace::Jop, when(&ReportArgs::payment, reportCommand(joppdIspisReport))});
    registry.command({"JOP kreiranje", "Priprema podataka za formiranje xml obrasca", QKeySequence(Qt::Key_F7), CommandPlace::Jop,
                      when(&ReportArgs::payment, [](CommandCall& c) { jopKreiranje(c.ctx, c.args.payment, c.window); })});
    registry.command({"JOP - B", {}, {}, CommandPlace::Jop, when(&ReportArgs::payment, reportCommand(joppBStranaReport))});
}

}  // namespace pramo
