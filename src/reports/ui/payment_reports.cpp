#include "reports/ui/payment_reports.h"

#include "reports/idd.h"
#include "reports/obracun_ispis.h"
#include "preview/ui/run_report.h"

namespace pramo {

bool printItemCalculation(AppContext& ctx, std::int32_t item, QWidget* parent) {
    return startReport(obracunIspReport, {.item = item}, ctx, parent);
}

bool printPaymentCalculation(AppContext& ctx, std::int32_t payment, QWidget* parent) {
    return startReport(obrIsplateIspReport, {.payment = payment}, ctx, parent);
}

bool printIdd(AppContext& ctx, std::int32_t payer, int year, int month, QWidget* parent) {
    return startReport(iddReport, {.payer = payer, .year = year, .month = month}, ctx, parent);
}

}  // namespace pramo
