#pragma once
// The calculation listings started from the payments list: OBRACUNISP, the stored lines of one
// income item, and OBRISPLATEISP, the lines of every item of a payment added up by position. Each
// line is printed with its position's name from the positions register (blank when it has none),
// and both end with the payer's whole cost, "Bruto + Zdravstveno osiguranje".

#include "documents/report_declaration.h"

namespace pramo {

ReportResult obracunIsp(ReportContext& rc, Progress& progress);
ReportResult obrIsplateIsp(ReportContext& rc, Progress& progress);

extern const ReportSpec obracunIspReport;
extern const ReportSpec obrIsplateIspReport;

}  // namespace pramo
