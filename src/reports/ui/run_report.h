#pragma once
// Running a report from a screen: the report runs with its progress window, and its finished
// pages go to the simple or the full preview, from which the user prints. A run that finds
// nothing ends quietly; a store error is shown as a retrieval warning.

#include <QString>
#include <functional>

#include "reports/report_run.h"

class QWidget;

namespace pramo {

struct AppContext;
class Files;
class PreviewHost;

enum class PreviewKind { Simple, Full };

using ReportJob = std::function<ReportResult(Files&, Progress&)>;

// True when pages were printed (or saved as PDF for want of a printer).
bool runReportJob(const ReportJob& report, PreviewKind preview, const QString& title, AppContext& ctx,
                  PreviewHost& host, QWidget* parent);

}  // namespace pramo
