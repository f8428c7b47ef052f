#pragma once
// The document commands of the payments window (its buttons, its menu "Ispisi obrazaca", the
// group "Obrazac JOP" and the orders' buttons), each registered with the screens by the subsystem
// whose document it makes (ScreenRegistry::command), so that the window names none of them.

#include <QKeySequence>
#include <QString>
#include <functional>

#include "documents/report_args.h"

class QWidget;

namespace pramo {

struct AppContext;

enum class CommandPlace {
    Row,      // the buttons under the lists
    Menu,     // the menu "Ispisi obrazaca"
    Jop,      // the group "Obrazac JOP"
    Orders,   // beside the printer settings
};

// What a command runs for: the window's highlighted payment, item and payer (0: none), and its
// month, year, printer kind and matrix printer's settings, as the values of a report.
struct CommandCall {
    AppContext& ctx;
    QWidget* window;
    ReportArgs args;
    std::function<void(PrinterKind)> setPrinter;  // sets the window's printer kind
};

struct DocumentCommand {
    QString text;
    QString toolTip;
    QKeySequence key;
    CommandPlace place = CommandPlace::Row;
    std::function<void(CommandCall&)> run;  // null: not available (disabled)
};

// Runs `run` only when the window has that value (a payment, an item, a payer) highlighted.
inline std::function<void(CommandCall&)> when(std::int32_t ReportArgs::*value, std::function<void(CommandCall&)> run) {
    return [value, run = std::move(run)](CommandCall& c) {
        if (c.args.*value != 0) run(c);
    };
}

}  // namespace pramo
