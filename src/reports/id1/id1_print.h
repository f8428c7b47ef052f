#pragma once
// The printed ID-1 form of a payer's year: one row per payee from whom income tax or surtax was
// withheld, with the tax split over the fourteen revenue accounts. Writes nothing.

#include "documents/report_declaration.h"

namespace pramo {

ReportResult id1Ispis(ReportContext& rc, Progress& progress);

extern const ReportSpec id1Report;

}  // namespace pramo
