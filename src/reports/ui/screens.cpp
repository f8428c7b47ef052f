#include "reports/ui/screens.h"

#include "preview/ui/run_report.h"
#include "reports/id1/id1_print.h"
#include "reports/idd.h"
#include "reports/obracun_ispis.h"
#include "reports/rsm/rsm.h"
#include "reports/ui/id1_screens.h"
#include "reports/ui/potvrde_screen.h"
#include "shell/screen_registry.h"

namespace pramo {
namespace {

// IDD of the payer for the month and year of the window.
void idd(CommandCall& c) {
    if (c.args.month < 1 || c.args.month > 12) {
        c.ctx.messages.ask(MessageBox{.title = "IDD", .text = "Mjesec (za mjesec) mora biti od 1 do 12."});
        return;
    }
    startReport(iddReport, c.args, c.ctx, c.window);
}

// The payments window's documents of this subsystem: the calculations under the lists, the forms
// in its menu "Ispisi obrazaca".
void registerPaymentDocuments(ScreenRegistry& registry) {
    const auto ofPayment = [](const ReportSpec& spec) { return when(&ReportArgs::payment, reportCommand(spec)); };
    registry.command({"ISPIS OBRAČUNA (F11)", {}, QKeySequence(Qt::Key_F11), CommandPlace::Row, ofPayment(obrIsplateIspReport)});
    registry.command({"ISPIS OBRAČUNA DOHOTKA (F12)", "Ispis obračuna za odabranog primatelja", QKeySequence(Qt::Key_F12),
                      CommandPlace::Row, when(&ReportArgs::item, reportCommand(obracunIspReport))});
    registry.command({"RSm - A", {}, QKeySequence(Qt::CTRL | Qt::Key_A), CommandPlace::Menu, ofPayment(rsmAReport)});
    registry.command({"RSm - B", {}, QKeySequence(Qt::CTRL | Qt::Key_B), CommandPlace::Menu, ofPayment(rsmBReport)});
    registry.command({"IDD", {}, QKeySequence(Qt::CTRL | Qt::Key_D), CommandPlace::Menu, when(&ReportArgs::payment, idd)});
    registry.command({"ID-1", {}, QKeySequence(Qt::CTRL | Qt::Key_I), CommandPlace::Menu,
                      when(&ReportArgs::payer, reportCommand(id1Report))});
}

}  // namespace

void registerReportsScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Id1Obrasci, pregledId1Obrazaca);
    registry.add(MenuCommand::Potvrde, openPotvrde, {&potvrdeOsobeList, &potvrdeDohociList});
    registerPaymentDocuments(registry);
}

}  // namespace pramo
