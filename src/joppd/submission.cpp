#include "joppd/submission.h"

#include <regex>

#include "records/layouts/isplate.h"
#include "records/store/read_linked.h"

namespace pramo {
namespace {

SubmissionOutcome outcome(SubmissionStatus status, std::string message) {
    SubmissionOutcome o;
    o.status = status;
    o.message = std::move(message);
    return o;
}

SubmissionOutcome storeFailed(Store& store, const char* file) {
    return outcome(SubmissionStatus::StoreFailed, std::string("Greška datoteke ") + file + ": " + store.error().text());
}

void applyAuthor(Jopo& jopo, const AuthorOverride& author) {
    if (author.ime) jopo.imeautora = *author.ime;
    if (author.prezime) jopo.prezimeautora = *author.prezime;
    if (author.email) jopo.email = *author.email;
}

// The new record starts as a copy of the last one, so its author data carries over.
Jopo newSubmission(const Jopo& last, std::int32_t isplata, RandomSource& random, const AuthorOverride& author) {
    Jopo jopo;
    jopo.oznaka = last.oznaka + 1;
    jopo.isplata = isplata;
    jopo.rbr = 1;
    jopo.imeautora = last.imeautora;
    jopo.prezimeautora = last.prezimeautora;
    jopo.email = last.email;
    jopo.ujed = ujedi(random);
    applyAuthor(jopo, author);
    return jopo;
}

SubmissionOutcome addFailed(Store& store) {
    const bool duplicate = store.error().code == StoreCode::DuplicateKey;
    return outcome(SubmissionStatus::AlreadyCreated,
                   std::string(obrazacVecKreiran) + (duplicate ? "" : "\n(" + store.error().text() + ")"));
}

bool blank(const std::optional<std::string>& text) {
    return !text || text->find_first_not_of(' ') == std::string::npos;
}

// The return's pattern of an e-mail address (tEmail of the tax authority's basic types).
bool emailTaken(const std::string& email) {
    static const std::regex pattern(R"(\w+([-+.'_]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*)");
    return std::regex_match(email, pattern);
}

}  // namespace

StoreCode carriedAuthor(Store& store, CarriedAuthor& out) {
    const StoreCode c = readLast(store, out.last);
    out.complete = ok(c) && !out.last.imeautora.blank() && !out.last.prezimeautora.blank() && !out.last.email.blank();
    return c;
}

std::optional<std::string> authorProblem(const AuthorOverride& a) {
    std::string missing;
    for (const auto& [text, name] : {std::pair{&a.ime, "ime"}, {&a.prezime, "prezime"}, {&a.email, "e-mail"}})
        if (blank(*text)) missing += std::string(missing.empty() ? "" : ", ") + name;
    if (!missing.empty()) return "Upišite autora obrasca: nedostaje " + missing + ".";
    if (!emailTaken(*a.email)) return "E-mail autora " + *a.email + " nije ispravna adresa (npr. ime.prezime@tvrtka.hr).";
    return std::nullopt;
}

SubmissionOutcome createSubmission(Store& store, std::int32_t isplata, RandomSource& random, const AuthorOverride& author) {
    Isplate isp;
    if (const StoreCode c = readLinked(store, isplata, isp); c == StoreCode::NotFound)
        return outcome(SubmissionStatus::NoPayment, "Isplata " + std::to_string(isplata) + " nije upisana.");
    else if (!ok(c)) return storeFailed(store, "ISPLATE");
    Transaction tx(store, Store::lockWaitSeconds);
    if (!tx.began()) return storeFailed(store, "JOPO");
    Jopo last;  // number 0 when there is none yet
    if (!ok(readLast(store, last))) return storeFailed(store, "JOPO");
    Jopo jopo = newSubmission(last, isplata, random, author);
    if (!ok(store.add(jopo))) return addFailed(store);
    if (!ok(tx.commit())) return storeFailed(store, "JOPO");
    SubmissionOutcome o = outcome(SubmissionStatus::Created, obrazacKreiran);
    o.jopo = jopo;
    return o;
}

}  // namespace pramo
