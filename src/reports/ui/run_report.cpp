#include "reports/ui/run_report.h"

#include "preview/ui/preview_host.h"
#include "preview/ui/report_preview.h"
#include "reports/ui/progress_window.h"
#include "shell/app_context.h"

namespace pramo {

bool runReportJob(const ReportJob& report, PreviewKind preview, const QString& title, AppContext& ctx,
                  PreviewHost& host, QWidget* parent) {
    ReportResult result;
    {
        ProgressWindow progress(parent);
        result = report(ctx.files, progress);
    }
    if (result.end == RunEnd::Failed) {
        if (ctx.store.error().code != result.code) ctx.store.setError(result.code);
        showWarning(ctx.messages, ctx.store, Warning::RetrievalError, result.failedFile);
    }
    if (result.end != RunEnd::Pages) return false;
    if (preview == PreviewKind::Full) return showFullPreview(std::move(result.pages), title, host, parent);
    return previewAndPrint(std::move(result.pages), title, host, parent);
}

}  // namespace pramo
