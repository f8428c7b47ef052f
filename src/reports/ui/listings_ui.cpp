#include "reports/ui/listings_ui.h"

#include "preview/ui/preview_host.h"
#include "preview/ui/report_preview.h"
#include "reports/opcine_ispis.h"
#include "reports/ui/progress_window.h"
#include "reports/vrste_dohotka_ispis.h"
#include "shell/app_context.h"

namespace pramo {

bool runListing(ReportFunction report, const QString& jobName, AppContext& ctx, PreviewHost& host, QWidget* parent) {
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
    return previewAndPrint(std::move(result.pages), jobName, host, parent);
}

bool startOpcineIspis(AppContext& ctx, QWidget* parent) {
    PreviewHost host(ctx.messages);
    return runListing(&opcineIspis, QStringLiteral("Report the opcine File"), ctx, host, parent);
}

bool startIspisVrstaDohotka(AppContext& ctx, QWidget* parent) {
    PreviewHost host(ctx.messages);
    return runListing(&ispisVrstaDohotka, QStringLiteral("PREGLED VRSTA DOHOTKA"), ctx, host, parent);
}

}  // namespace pramo
