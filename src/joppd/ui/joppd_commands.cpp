#include "joppd/ui/joppd_commands.h"

#include "joppd/page_a.h"
#include "joppd/page_b.h"
#include "joppd/return_file.h"
#include "joppd/submission.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "reports/ui/run_report.h"
#include "shell/app_context.h"
#include "shell/screen_files.h"

namespace pramo {
namespace {

void tell(AppContext& ctx, const char* title, const std::string& text, bool done) {
    MessageBox box;
    box.title = title;
    box.text = text;
    box.icon = done ? Icon::Information : Icon::Exclamation;
    ctx.messages.ask(box);
}

}  // namespace

bool jopKreiranje(AppContext& ctx, std::int32_t isplata, RandomSource& random, QWidget*) {
    ScreenFiles use(ctx, {&Isplate::table, &Jopo::table});
    if (!use.ok()) return false;
    const SubmissionOutcome o = createSubmission(ctx.store, isplata, random);
    tell(ctx, "JOP kreiranje", o.message, o.status == SubmissionStatus::Created);
    return o.status == SubmissionStatus::Created;
}

bool jopKreiranje(AppContext& ctx, std::int32_t isplata, QWidget* parent) {
    SystemRandom random;
    return jopKreiranje(ctx, isplata, random, parent);
}

bool kreirajXmlDatoteku(AppContext& ctx, std::int32_t jopo, QWidget*) {
    ScreenFiles use(ctx, {&Jopo::table, &Isplate::table, &Subjekti::table, &Mjesta::table, &Ulice::table,
                            &Dohoci::table, &Osobe::table, &Opcine::table, &Vrstedoh::table, &Obracun::table,
                            &Svasta::table});
    if (!use.ok()) return false;
    const ReturnFileOutcome o = writeReturnFile(ctx.store, ctx.clock, jopo, {ctx.dataDir, {}});
    tell(ctx, "KREIRAJ XML DATOTEKU", o.message, o.created);
    return o.created;
}

bool printJoppdA(AppContext& ctx, std::int32_t isplata, QWidget* parent) {
    return startReport(joppdIspisReport, {.payment = isplata}, ctx, parent);
}

bool printJoppdB(AppContext& ctx, std::int32_t isplata, PrinterKind printer, QWidget* parent) {
    return startReport(joppBStranaReport, {.payment = isplata, .printer = printer}, ctx, parent);
}

}  // namespace pramo
