#pragma once
// The cover letter of an ID-1 return: the payer, the contact person and the empty fields of the
// medium the return is delivered on, one page per header. Writes nothing.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult ispisPopratnogDopisa(ReportContext& rc, Progress& progress);

extern const ReportSpec popratniDopisReport;

}  // namespace pramo
