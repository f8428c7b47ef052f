#pragma once
// The R-Sm form of a payment: page A with the payer and the payment's totals, pages B with one
// row per income item (an insured person). Both are drawn complete on plain paper and write nothing.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult rsmA(ReportContext& rc, Progress& progress);
ReportResult rsmB(ReportContext& rc, Progress& progress);

extern const ReportSpec rsmAReport;
extern const ReportSpec rsmBReport;

}  // namespace pramo
