#include "payments/ui/screens.h"

#include "payments/ui/duplikat_window.h"
#include "payments/ui/item_form.h"
#include "payments/ui/item_lists.h"
#include "payments/ui/payment_lists.h"
#include "payments/ui/payments_screen.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerPaymentsScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Isplate, openIsplate, {&isplatiteljiIsplate, &isplateList, &isplateDohoci});
    registry.declare(updateDohoci);
    registry.declare(obracunStavke);
    registry.declare(svastaStavke);
    registry.command({"Duplikat(Ctrl2)", {}, QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_2)),
                      CommandPlace::Row,
                      when(&ReportArgs::payment, [](CommandCall& c) { duplicatePaymentWindow(c.ctx, c.args.payment, c.window); })});
}

}  // namespace pramo
