#pragma once
// ISPISVRSTADOHOTKA: the list of income types with their rates and JOPPD receipt codes, each
// with the code's description from the JOPPD code book. Started from the income types list and
// from pramo-cli.

#include "records/store/files.h"
#include "reports/report_run.h"

namespace pramo {

ReportResult ispisVrstaDohotka(Files& files, Progress& progress);

}  // namespace pramo
