#include "documents/report_declaration.h"

namespace pramo {

const ReportSpec* ReportCatalog::find(std::string_view name) const {
    for (const ReportSpec* spec : reports_) {
        if (spec->name == name) return spec;
    }
    return nullptr;
}

ReportResult runDeclaredReport(const ReportSpec& spec, Files& files, const ReportArgs& args, const Clock& clock,
                               Progress& progress) {
    FileUse use(files, spec.files);
    if (!use.ok()) return {RunEnd::Failed, {}, files.store().error().code, std::string(use.failed()->name)};
    ReportContext rc{files, args, clock};
    return spec.run(rc, progress);
}

}  // namespace pramo
