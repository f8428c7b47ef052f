#pragma once
// Running a declared report from a screen: the report runs with its progress window, and its
// finished pages go to the simple or the full preview, from which the user prints. A run that
// finds nothing ends quietly; a store error is shown as a retrieval warning naming the file.

#include "documents/report_declaration.h"
#include "shell/document_commands.h"

class QWidget;

namespace pramo {

struct AppContext;
class PreviewHost;

// True when pages were printed (or saved as PDF for want of a printer).
bool startReport(const ReportSpec& spec, const ReportArgs& args, AppContext& ctx, PreviewHost& host, QWidget* parent);
// The same with the platform's file and printer dialogs.
bool startReport(const ReportSpec& spec, const ReportArgs& args, AppContext& ctx, QWidget* parent);

// The document command that starts `spec` for the window's values (it reads those it declares).
std::function<void(CommandCall&)> reportCommand(const ReportSpec& spec);

}  // namespace pramo
