#pragma once
// The payees of a payment: one row per income item, in the items' order.

#include "documents/report_declaration.h"

namespace pramo {

extern const ReportSpec primateljiIsplateReport;

}  // namespace pramo
