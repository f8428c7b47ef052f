#include "reports/ui/form_reports.h"

#include <QMenu>

#include "reports/id1/id1_print.h"
#include "reports/rsm/rsm.h"
#include "preview/ui/run_report.h"

namespace pramo {

bool printRsmA(AppContext& ctx, std::int32_t isplata, PrinterKind printer, QWidget* parent) {
    return startReport(rsmAReport, {.payment = isplata, .printer = printer}, ctx, parent);
}

bool printRsmB(AppContext& ctx, std::int32_t isplata, PrinterKind printer, QWidget* parent) {
    return startReport(rsmBReport, {.payment = isplata, .printer = printer}, ctx, parent);
}

bool printId1(AppContext& ctx, std::int32_t isplatitelj, int godina, QWidget* parent) {
    return startReport(id1Report, {.payer = isplatitelj, .year = godina}, ctx, parent);
}

void addFormReportEntries(QMenu& menu, AppContext& ctx, std::function<FormReportTarget()> target, QWidget* parent) {
    const auto entry = [&](const QString& text, QKeyCombination key, auto print) {
        QAction* a = menu.addAction(text);
        a->setShortcut(QKeySequence(key));
        QObject::connect(a, &QAction::triggered, parent, [&ctx, target, parent, print] {
            const FormReportTarget t = target();
            if (t.isplata != 0) print(ctx, t, parent);
        });
    };
    entry("RSm - A", Qt::CTRL | Qt::Key_A,
          [](AppContext& c, const FormReportTarget& t, QWidget* p) { printRsmA(c, t.isplata, t.printer, p); });
    entry("RSm - B", Qt::CTRL | Qt::Key_B,
          [](AppContext& c, const FormReportTarget& t, QWidget* p) { printRsmB(c, t.isplata, t.printer, p); });
    entry("ID-1", Qt::CTRL | Qt::Key_I,
          [](AppContext& c, const FormReportTarget& t, QWidget* p) { printId1(c, t.isplatitelj, t.godina, p); });
}

}  // namespace pramo
