#pragma once
// Starting the working listings from a screen: the report runs with its progress window, its
// pages go to the simple preview and are printed when the user chooses to.

#include "reports/report_run.h"

class QWidget;

namespace pramo {

struct AppContext;
class Files;
class PreviewHost;

using ReportFunction = ReportResult (*)(Files&, Progress&);

// Runs `report` and previews its pages. A run that finds nothing ends quietly; a store error is
// shown as a retrieval warning. True when pages were printed.
bool runListing(ReportFunction report, const QString& jobName, AppContext& ctx, PreviewHost& host, QWidget* parent);

// OPCINEISPIS and ISPISVRSTADOHOTKA, for the buttons of the municipalities and income types lists.
bool startOpcineIspis(AppContext& ctx, QWidget* parent);
bool startIspisVrstaDohotka(AppContext& ctx, QWidget* parent);

}  // namespace pramo
