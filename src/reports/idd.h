#pragma once
// IDD: the payer's monthly report of other income paid, with the contributions, income tax and
// surtax on it, by kind of receipt. Started from the payments list and from pramo-cli.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult idd(ReportContext& rc, Progress& progress);
extern const ReportSpec iddReport;

}  // namespace pramo
