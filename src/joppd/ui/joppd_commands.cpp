#include "joppd/ui/joppd_commands.h"

#include <filesystem>

#include "joppd/ui/author_form.h"
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

// The first submission of the books has no author to carry over: it is asked for, so that the
// XML return is not refused for it later.
bool jopKreiranje(AppContext& ctx, std::int32_t isplata, RandomSource& random, QWidget* parent) {
    ScreenFiles use(ctx, {&Isplate::table, &Jopo::table});
    if (!use.ok()) return false;
    CarriedAuthor carried;
    if (!ok(carriedAuthor(ctx.store, carried))) {
        showWarning(ctx.messages, ctx.store, Warning::RetrievalError, Jopo::table.label);
        return false;
    }
    AuthorOverride author;
    if (!carried.complete && !askAuthor(ctx, carried.last, author, parent)) return false;
    const SubmissionOutcome o = createSubmission(ctx.store, isplata, random, author);
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
    // Where the file is, whole, so that the user finds it to file it.
    const std::string said = o.created ? o.message + "\n" + std::filesystem::absolute(o.path).lexically_normal().string() : o.message;
    tell(ctx, "KREIRAJ XML DATOTEKU", said, o.created);
    return o.created;
}

}  // namespace pramo
