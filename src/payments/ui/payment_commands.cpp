#include "payments/ui/payment_commands.h"

#include "joppd/ui/joppd_commands.h"
#include "orders/ui/orders_commands.h"
#include "payments/ui/duplikat_window.h"
#include "payments/ui/payments_screen.h"

namespace pramo {
namespace {

// Runs `print` for the highlighted payment, if any.
std::function<void(IsplateScreen&)> forPayment(std::function<void(IsplateScreen&, std::int32_t)> print) {
    return [print](IsplateScreen& s) {
        if (const std::int32_t isplata = s.payment()) print(s, isplata);
    };
}

void hub3a(IsplateScreen& s, std::int32_t isplata) {
    s.setPrinter(PrinterKind::Laser);
    printHub3a(isplata, PrinterKind::Laser, s.context(), &s);
}

}  // namespace

const std::vector<PaymentCommand>& paymentCommands() {
    static const std::vector<PaymentCommand> all{
        {"Duplikat(Ctrl2)", {}, QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_2)), CommandPlace::Row,
         forPayment([](IsplateScreen& s, std::int32_t i) { duplicatePaymentWindow(s.context(), i, &s); })},
        {"ISPIS OBRAČUNA (F11)", {}, QKeySequence(Qt::Key_F11), CommandPlace::Row, {}},
        {"ISPIS OBRAČUNA DOHOTKA (F12)", "Ispis obračuna za odabranog primatelja", QKeySequence(Qt::Key_F12),
         CommandPlace::Row, {}},
        {"RSm - A", {}, QKeySequence(Qt::CTRL | Qt::Key_A), CommandPlace::Menu, {}},
        {"RSm - B", {}, QKeySequence(Qt::CTRL | Qt::Key_B), CommandPlace::Menu, {}},
        {"IDD", {}, QKeySequence(Qt::CTRL | Qt::Key_D), CommandPlace::Menu, {}},
        {"ID-1", {}, QKeySequence(Qt::CTRL | Qt::Key_I), CommandPlace::Menu, {}},
        {"JOP - A", {}, {}, CommandPlace::Jop,
         forPayment([](IsplateScreen& s, std::int32_t i) { printJoppdA(s.context(), i, &s); })},
        {"JOP kreiranje", "Priprema podataka za formiranje xml obrasca", {}, CommandPlace::Jop,
         forPayment([](IsplateScreen& s, std::int32_t i) { jopKreiranje(s.context(), i, &s); })},
        {"JOP - B", {}, {}, CommandPlace::Jop,
         forPayment([](IsplateScreen& s, std::int32_t i) { printJoppdB(s.context(), i, s.printer(), &s); })},
        {"HUB3", "Dugme za ispis naloga za plaćanje (HUB1)", {}, CommandPlace::Orders,
         forPayment([](IsplateScreen& s, std::int32_t i) { printHub3(i, s.printer(), s.param().oznaka, s.context(), &s); })},
        {"HUB3A", "Dugme za ispis naloga za plaćanje (HUB1-1)", {}, CommandPlace::Orders, forPayment(hub3a)},
    };
    return all;
}

}  // namespace pramo
