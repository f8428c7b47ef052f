#include "reports/ui/screens.h"

#include "reports/ui/form_reports.h"
#include "reports/ui/id1_screens.h"
#include "reports/ui/payment_reports.h"
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
    printIdd(c.ctx, c.args.payer, c.args.year, c.args.month, c.window);
}

// The payments window's documents of this subsystem: the calculations under the lists, the forms
// in its menu "Ispisi obrazaca".
void registerPaymentDocuments(ScreenRegistry& registry) {
    registry.command({"ISPIS OBRAČUNA (F11)", {}, QKeySequence(Qt::Key_F11), CommandPlace::Row,
                      forPayment([](CommandCall& c) { printPaymentCalculation(c.ctx, c.args.payment, c.window); })});
    registry.command({"ISPIS OBRAČUNA DOHOTKA (F12)", "Ispis obračuna za odabranog primatelja", QKeySequence(Qt::Key_F12),
                      CommandPlace::Row, [](CommandCall& c) {
                          if (c.args.item != 0) printItemCalculation(c.ctx, c.args.item, c.window);
                      }});
    registry.command({"RSm - A", {}, QKeySequence(Qt::CTRL | Qt::Key_A), CommandPlace::Menu,
                      forPayment([](CommandCall& c) { printRsmA(c.ctx, c.args.payment, c.args.printer, c.window); })});
    registry.command({"RSm - B", {}, QKeySequence(Qt::CTRL | Qt::Key_B), CommandPlace::Menu,
                      forPayment([](CommandCall& c) { printRsmB(c.ctx, c.args.payment, c.args.printer, c.window); })});
    registry.command({"IDD", {}, QKeySequence(Qt::CTRL | Qt::Key_D), CommandPlace::Menu, forPayment(idd)});
    registry.command({"ID-1", {}, QKeySequence(Qt::CTRL | Qt::Key_I), CommandPlace::Menu, [](CommandCall& c) {
                          if (c.args.payer != 0) printId1(c.ctx, c.args.payer, c.args.year, c.window);
                      }});
}

}  // namespace

void registerReportsScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Id1Obrasci, pregledId1Obrazaca);
    registry.add(MenuCommand::Potvrde, openPotvrde, {&potvrdeOsobeList, &potvrdeDohociList});
    registerPaymentDocuments(registry);
}

}  // namespace pramo
