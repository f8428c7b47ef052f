#pragma once
// How every report runs: a pass over one file must find at least one record it takes (otherwise
// the run ends with nothing to print); then a progress window is shown, the records are read by
// key and turned into bands, and the finished pages go to a preview. The user can cancel at any
// record; a cancelled run gives no pages.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "preview/page.h"
#include "preview/report_builder.h"
#include "records/store/cursor.h"
#include "records/store/store.h"

namespace pramo {

// The progress window of a running report.
class Progress {
public:
    virtual ~Progress() = default;
    // Shown once the gate has found a record; `total` records are expected (0: unknown).
    virtual void start(std::int64_t total) = 0;
    // After each record; false when the user has cancelled.
    virtual bool advance(std::int64_t done) = 0;
    virtual void finish() = 0;
};

// For runs without a window (the command line, tests): never cancels.
class SilentProgress : public Progress {
public:
    void start(std::int64_t) override {}
    bool advance(std::int64_t) override { return true; }
    void finish() override {}
};

enum class RunEnd { Pages, NothingToPrint, Cancelled, Failed, Refused };

struct ReportResult {
    RunEnd end = RunEnd::NothingToPrint;
    std::vector<Page> pages;
    StoreCode code = StoreCode::Ok;  // the store's error when the run failed
    std::string failedFile;          // and the file it came from
    std::string refusal;             // why the document cannot be made of what was found (Refused)
    // The report's own text form, one line each (UTF-8), for reports whose pages read badly as
    // text (forms filled field by field). Empty: the text form is the pages as text.
    std::vector<std::string> text;
    // What the user must know about pages that are made (an order printed without its account),
    // one line each: shown before the preview, printed by the command line.
    std::vector<std::string> notes;
    int streamed = 0;  // pages handed to the run's sink as they were made (not in `pages`)
};

// What a document refuses with when one of its sums does not fit the field it is printed in.
inline constexpr std::string_view sumTooLarge = "Zbroj iznosa ne stane u polje obrasca; dokument nije napravljen.";

// The end of a run whose document cannot be made of what it found (a record it needs is missing,
// a sum too large): `why`, in the user's words, when there is a reason; else the run as it ended.
ReportResult refusedIf(ReportResult r, std::string_view why);

// A failed run names `file` when the read that failed was one beside its pass (null: the pass's).
ReportResult named(ReportResult r, const TableDef* file);

// One pass over a file in a key's order: from the first record at or after `from` (the whole
// key when not given), until `within` no longer holds; the records `filter` takes go to the
// report. `total` is the number of records expected, for the progress window (0: the file's count).
template <class R>
struct Pass {
    const KeyDef& key;
    const R* from = nullptr;
    std::function<bool(const R&)> within = nullptr;
    std::function<bool(const R&)> filter = nullptr;
    std::int64_t total = 0;
};

// The pass over the records whose first key component, a number, is that of `from`: the one
// record of a number, or one payment's items. `from` must outlive the run.
template <class R>
Pass<R> sameNumber(const KeyDef& key, const R& from, std::int64_t total = 0) {
    const FieldDef& f = R::table.fields[static_cast<std::size_t>(key.fieldIndex.front())];
    const std::int64_t number = f.getInt(&from);
    return {.key = key, .from = &from, .within = [&f, number](const R& r) { return f.getInt(&r) == number; }, .total = total};
}

namespace detail {

// The untyped run behind runReport: `next` reads the next taken record (Ok, NoMoreRecords at the
// end, or an error), `body` turns it into bands.
ReportResult runPass(Progress& progress, std::int64_t total, const std::function<StoreCode()>& next,
                     const std::function<StoreCode()>& body, const std::function<std::vector<Page>()>& finish);

}  // namespace detail

// Runs a report over one pass: `body` is called for every record taken and answers Ok or a store
// error (which ends the run); `finish` gives the pages once every record is in. The whole report
// reads one state of the books, in one read transaction.
template <class R>
ReportResult runReport(Store& store, Progress& progress, const Pass<R>& pass, const std::function<StoreCode(const R&)>& body,
                       const std::function<std::vector<Page>()>& finish) {
    const ReadTransaction oneState(store);
    Cursor cursor(store, pass.key);
    if (pass.from) cursor.setFrom(*pass.from); else cursor.set();
    R rec;
    const auto next = [&]() -> StoreCode {
        for (;;) {
            if (const StoreCode c = cursor.next(rec); !ok(c)) return c;
            if (pass.within && !pass.within(rec)) return StoreCode::NoMoreRecords;
            if (!pass.filter || pass.filter(rec)) return StoreCode::Ok;
        }
    };
    std::int64_t total = pass.total;
    if (total == 0 && !ok(store.count(R::table, total))) total = 0;
    ReportResult r = detail::runPass(progress, total, next, [&] { return body(rec); }, finish);
    if (r.end == RunEnd::Failed) r.failedFile = std::string(R::table.name);
    return r;
}

// Runs a report drawn into one builder: `body` adds the bands of each record taken (it may put
// another builder in place, for pages whose heading comes from the record); the builder's pages
// are the report's.
template <class R>
ReportResult runBuilt(Store& store, Progress& progress, const Pass<R>& pass, ReportBuilder builder,
                      const std::function<StoreCode(const R&, ReportBuilder&)>& body) {
    return runReport<R>(
        store, progress, pass, [&](const R& r) { return body(r, builder); }, [&] { return builder.finish(); });
}

// Runs a report over records gathered beforehand, in their order: the gate is that there is at
// least one; `body` is called for each, with the progress window advancing and able to cancel.
template <class T>
ReportResult runReportOver(Progress& progress, const std::vector<T>& records, const std::function<StoreCode(const T&)>& body,
                           const std::function<std::vector<Page>()>& finish) {
    std::size_t i = 0;
    const auto next = [&]() -> StoreCode { return i < records.size() ? (++i, StoreCode::Ok) : StoreCode::NoMoreRecords; };
    const auto total = static_cast<std::int64_t>(records.size());
    return detail::runPass(progress, total, next, [&] { return body(records[i - 1]); }, finish);
}

}  // namespace pramo
