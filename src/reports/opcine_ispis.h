#pragma once
// OPCINEISPIS: the list of municipalities by name, with their codes, tax accounts and surtax
// rates. Started from the municipalities list and from pramo-cli.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult opcineIspis(ReportContext& rc, Progress& progress);
extern const ReportSpec opcineIspisReport;

}  // namespace pramo
