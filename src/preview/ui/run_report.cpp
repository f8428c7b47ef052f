#include "preview/ui/run_report.h"

#include "preview/ui/preview_host.h"
#include "preview/ui/report_preview.h"
#include "preview/ui/progress_window.h"
#include "shell/app_context.h"
#include "shell/screen_files.h"

namespace pramo {

bool startReport(const ReportSpec& spec, const ReportArgs& args, AppContext& ctx, PreviewHost& host, QWidget* parent) {
    const ScreenFiles use(ctx, spec.files);
    if (!use.ok()) return false;
    ReportResult result;
    {
        ProgressWindow progress(parent);
        result = runDeclaredReport(spec, ctx.files, args, ctx.clock, progress);
    }
    if (result.end == RunEnd::Failed) {
        if (ctx.store.error().code != result.code) ctx.store.setError(result.code);
        showWarning(ctx.messages, ctx.store, Warning::RetrievalError, result.failedFile);
    }
    if (result.end == RunEnd::Refused)
        ctx.messages.ask(MessageBox{.title = spec.title.toStdString(), .text = result.refusal, .icon = Icon::Exclamation});
    if (result.end != RunEnd::Pages) return false;
    if (!result.notes.empty()) {
        std::string text;
        for (const std::string& note : result.notes) text += (text.empty() ? "" : "\n") + note;
        ctx.messages.ask(MessageBox{.title = spec.title.toStdString(), .text = text, .icon = Icon::Exclamation});
    }
    if (spec.preview == PreviewKind::Full) return showFullPreview(std::move(result.pages), spec.title, host, parent);
    return previewAndPrint(std::move(result.pages), spec.title, host, parent);
}

bool startReport(const ReportSpec& spec, const ReportArgs& args, AppContext& ctx, QWidget* parent) {
    PreviewHost host(ctx.messages, ctx.dataDir);
    return startReport(spec, args, ctx, host, parent);
}

std::function<void(CommandCall&)> reportCommand(const ReportSpec& spec) {
    return [&spec](CommandCall& c) { startReport(spec, c.args, c.ctx, c.window); };
}

}  // namespace pramo
