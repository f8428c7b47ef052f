#include "reports/ui/listings_ui.h"

#include "preview/ui/preview_host.h"
#include "reports/opcine_ispis.h"
#include "reports/ui/run_report.h"
#include "reports/vrste_dohotka_ispis.h"
#include "shell/app_context.h"

namespace pramo {

bool startOpcineIspis(AppContext& ctx, QWidget* parent) {
    PreviewHost host(ctx.messages);
    return runReportJob(&opcineIspis, PreviewKind::Simple, QStringLiteral("Report the opcine File"), ctx, host, parent);
}

bool startIspisVrstaDohotka(AppContext& ctx, QWidget* parent) {
    PreviewHost host(ctx.messages);
    return runReportJob(&ispisVrstaDohotka, PreviewKind::Simple, QStringLiteral("PREGLED VRSTA DOHOTKA"), ctx, host, parent);
}

}  // namespace pramo
