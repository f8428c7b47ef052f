#pragma once
// ISPISVRSTADOHOTKA: the list of income types with their rates and JOPPD receipt codes, each
// with the code's description from the JOPPD code book. Started from the income types list and
// from pramo-cli.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult ispisVrstaDohotka(ReportContext& rc, Progress& progress);
extern const ReportSpec ispisVrstaDohotkaReport;

}  // namespace pramo
