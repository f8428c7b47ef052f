#include "payments/ui/payment_commands.h"

#include "joppd/ui/joppd_commands.h"
#include "orders/ui/orders_commands.h"
#include "payments/ui/duplikat_window.h"
#include "payments/ui/payments_screen.h"
#include "reports/ui/form_reports.h"
#include "reports/ui/payment_reports.h"
#include "shell/list/list_panel.h"
#include "records/layouts/isplate.h"

namespace pramo {
namespace {

// Runs `print` for the highlighted payment, if any.
std::function<void(IsplateScreen&)> forPayment(std::function<void(IsplateScreen&, std::int32_t)> print) {
    return [print](IsplateScreen& s) {
        if (const std::int32_t isplata = s.payment()) print(s, isplata);
    };
}

// HUB-3A forms go to a laser printer: the window's printer kind becomes "Laserski" first.
void hub3a(IsplateScreen& s) {
    s.setPrinter(PrinterKind::Laser);
    if (const std::int32_t isplata = s.payment()) printHub3a(isplata, PrinterKind::Laser, s.context(), &s);
}

// IDD of the highlighted payment's payer for the month and year of the window.
void idd(IsplateScreen& s) {
    const Isplate* isp = s.payments()->highlighted<Isplate>();
    if (!isp) return;
    if (s.monthValue() < 1 || s.monthValue() > 12) {
        MessageBox box;
        box.title = "IDD";
        box.text = "Mjesec (za mjesec) mora biti od 1 do 12.";
        s.context().messages.ask(box);
        return;
    }
    printIdd(s.context(), isp->isplatitelj, s.yearValue(), s.monthValue(), &s);
}

}  // namespace

const std::vector<PaymentCommand>& paymentCommands() {
    static const std::vector<PaymentCommand> all{
        {"Duplikat(Ctrl2)", {}, QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_2)), CommandPlace::Row,
         forPayment([](IsplateScreen& s, std::int32_t i) { duplicatePaymentWindow(s.context(), i, &s); })},
        {"ISPIS OBRAČUNA (F11)", {}, QKeySequence(Qt::Key_F11), CommandPlace::Row,
         forPayment([](IsplateScreen& s, std::int32_t i) { printPaymentCalculation(s.context(), i, &s); })},
        {"ISPIS OBRAČUNA DOHOTKA (F12)", "Ispis obračuna za odabranog primatelja", QKeySequence(Qt::Key_F12),
         CommandPlace::Row,
         [](IsplateScreen& s) {
             if (const std::int32_t item = s.item()) printItemCalculation(s.context(), item, &s);
         }},
        {"RSm - A", {}, QKeySequence(Qt::CTRL | Qt::Key_A), CommandPlace::Menu,
         forPayment([](IsplateScreen& s, std::int32_t i) { printRsmA(s.context(), i, s.printer(), &s); })},
        {"RSm - B", {}, QKeySequence(Qt::CTRL | Qt::Key_B), CommandPlace::Menu,
         forPayment([](IsplateScreen& s, std::int32_t i) { printRsmB(s.context(), i, s.printer(), &s); })},
        {"IDD", {}, QKeySequence(Qt::CTRL | Qt::Key_D), CommandPlace::Menu, idd},
        {"ID-1", {}, QKeySequence(Qt::CTRL | Qt::Key_I), CommandPlace::Menu,
         [](IsplateScreen& s) {
             if (const std::int32_t payer = s.payer()) printId1(s.context(), payer, s.yearValue(), &s);
         }},
        {"JOP - A", {}, {}, CommandPlace::Jop,
         forPayment([](IsplateScreen& s, std::int32_t i) { printJoppdA(s.context(), i, &s); })},
        {"JOP kreiranje", "Priprema podataka za formiranje xml obrasca", {}, CommandPlace::Jop,
         forPayment([](IsplateScreen& s, std::int32_t i) { jopKreiranje(s.context(), i, &s); })},
        {"JOP - B", {}, {}, CommandPlace::Jop,
         forPayment([](IsplateScreen& s, std::int32_t i) { printJoppdB(s.context(), i, s.printer(), &s); })},
        {"HUB3", "Dugme za ispis naloga za plaćanje (HUB1)", {}, CommandPlace::Orders,
         forPayment([](IsplateScreen& s, std::int32_t i) { printHub3(i, s.printer(), s.param().oznaka, s.context(), &s); })},
        {"HUB3A", "Dugme za ispis naloga za plaćanje (HUB1-1)", {}, CommandPlace::Orders, hub3a},
    };
    return all;
}

}  // namespace pramo
