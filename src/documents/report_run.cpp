#include "documents/report_run.h"

namespace pramo {

ReportResult named(ReportResult r, const TableDef* file) {
    if (r.end == RunEnd::Failed && file) r.failedFile = std::string(file->name);
    return r;
}

ReportResult refusedIf(ReportResult r, std::string_view why) {
    if (why.empty()) return r;
    return {.end = RunEnd::Refused, .refusal = std::string(why)};
}

}  // namespace pramo

namespace pramo::detail {
namespace {

ReportResult ended(RunEnd end, StoreCode code = StoreCode::Ok) {
    ReportResult r;
    r.end = end;
    r.code = code;
    return r;
}

}  // namespace

ReportResult runPass(Progress& progress, std::int64_t total, const std::function<StoreCode()>& next,
                     const std::function<StoreCode()>& body, const std::function<std::vector<Page>()>& finish) {
    StoreCode c = next();  // the gate: the first record the pass takes
    if (c == StoreCode::NoMoreRecords) return ended(RunEnd::NothingToPrint);
    if (!ok(c)) return ended(RunEnd::Failed, c);
    progress.start(total);
    std::int64_t done = 0;
    for (; ok(c); c = next()) {
        if (const StoreCode b = body(); !ok(b)) c = b;
        if (!ok(c)) break;
        if (!progress.advance(++done)) {
            progress.finish();
            return ended(RunEnd::Cancelled);
        }
    }
    progress.finish();
    if (c != StoreCode::NoMoreRecords) return ended(RunEnd::Failed, c);
    ReportResult r = ended(RunEnd::Pages);
    r.pages = finish();
    if (r.pages.empty()) r.end = RunEnd::NothingToPrint;
    return r;
}

}  // namespace pramo::detail
