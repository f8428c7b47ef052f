#pragma once
// The document commands of the payments list, one table: each with its caption, tool tip, key and
// place in the window, and what it runs for the highlighted payment, item or payer. A command
// whose document the program cannot make yet is shown disabled.

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

namespace pramo {

class IsplateScreen;

enum class CommandPlace {
    Row,      // the buttons under the lists
    Menu,     // the menu "Ispisi obrazaca"
    Jop,      // the group "Obrazac JOP"
    Orders,   // beside the printer settings
};

struct PaymentCommand {
    QString text;
    QString toolTip;
    QKeySequence key;
    CommandPlace place = CommandPlace::Row;
    std::function<void(IsplateScreen&)> run;  // null: not available (disabled)
};

const std::vector<PaymentCommand>& paymentCommands();

}  // namespace pramo
