#pragma once
// OPCINEISPIS: the list of municipalities by name, with their codes, tax accounts and surtax
// rates. Started from the municipalities list and from pramo-cli.

#include "records/store/files.h"
#include "reports/report_run.h"

namespace pramo {

ReportResult opcineIspis(Files& files, Progress& progress);

}  // namespace pramo
