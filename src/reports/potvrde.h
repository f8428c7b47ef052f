#pragma once
// The year-end certificates of a payer's payments to its payees (ISPISPOTVRDE, and
// ISPISPOTVRDESKRIZNICOM for the years of the crisis tax): for one payee, or for every payee the
// payer paid in the year, one certificate each. Started from POTVRDE and from pramo-cli.

#include "reports/potvrde_data.h"
#include "documents/report_declaration.h"

namespace pramo {

ReportResult ispisPotvrde(ReportContext& rc, Progress& progress, CertificateKind kind);

// The certificate the year is given (the screen's print button): the crisis-tax one for 2009 and
// 2010, the ordinary one otherwise.
extern const ReportSpec potvrdeReport;
// The certificate with the crisis-tax column, for any year.
extern const ReportSpec potvrdeSKriznicomReport;

}  // namespace pramo
