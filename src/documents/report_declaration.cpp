#include "documents/report_declaration.h"

namespace pramo {

const ReportSpec* ReportCatalog::find(std::string_view name) const {
    for (const ReportSpec* spec : reports_) {
        if (spec->name == name) return spec;
    }
    return nullptr;
}

ReportResult runDeclaredReport(const ReportSpec& spec, Files& files, const ReportArgs& args, const Clock& clock,
                               Progress& progress, const PageSink& sink) {
    FileUse use(files, spec.files);
    if (!use.ok()) return {RunEnd::Failed, {}, files.store().error().code, std::string(use.failed()->name)};
    int streamed = 0;
    ReportContext rc{files, args, clock};
    if (sink) rc.sink = [&](const Page& page) { ++streamed, sink(page); };
    ReportResult r = spec.run(rc, progress);
    r.streamed = streamed;
    if (streamed > 0 && r.end == RunEnd::NothingToPrint) r.end = RunEnd::Pages;  // none kept: all were handed on
    return r;
}

}  // namespace pramo
