#pragma once
// JOPPBSTRANA: page B of the JOPPD return of a payment, printed: one row per income item in a
// ruled landscape grid under the column headings. Read only; no submission is needed.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult joppBStrana(ReportContext& rc, Progress& progress);
extern const ReportSpec joppBStranaReport;

}  // namespace pramo
