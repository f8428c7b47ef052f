#pragma once
// Every report of the program, for the command line's "report NAME" and the tests over them all.
// The desktop's screens start their reports themselves.

namespace pramo {

class ReportCatalog;

// One call per subsystem; "pramo-cli help" lists the reports in this order.
void registerAllReports(ReportCatalog& catalog);

}  // namespace pramo
