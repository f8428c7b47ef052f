#pragma once
// ISPISKRIZNICE: the printed crisis-tax return (form IPP) of one return: the payer, then one row
// per kind of receipt with the number of recipients, the tax base and the tax, whether or not the
// return has a line of that kind, and their total. Started from the returns list and from
// pramo-cli ("report kriznica --return N"); a return that does not exist prints nothing.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult ispisKriznice(ReportContext& rc, Progress& progress);
extern const ReportSpec ispisKrizniceReport;

}  // namespace pramo
