#pragma once
// "JOP kreiranje": the JOPPD submission of a payment, serial number 1, with a new identifier.
// The author's name and e-mail are carried over from the submission with the highest number
// (whichever payment it belongs to), unless the caller gives them.

#include <cstdint>
#include <optional>
#include <string>

#include "joppd/ujed.h"
#include "records/layouts/jopo.h"
#include "records/store/store.h"

namespace pramo {

inline constexpr const char* obrazacKreiran = "OBRAZAC KREIRAN";
// The four lines shown when the payment already has its submission (or the add fails otherwise).
inline constexpr const char* obrazacVecKreiran =
    "GREŠKA! OVAJ OBRAZAC JE VEĆ KREIRAN\n"
    "AKO ŽELITE KREIRATI NOVI ZA ISTU ISPLATU\n"
    "UNESITE U JOP OBRASCIMA REDNI BROJ DRUGAČIJI OD 1\n"
    "ILI IZBRIŠITE OBRAZAC U ISTOJ LISTI";

// Author data given instead of the carried-over defaults (each only when set).
struct AuthorOverride {
    std::optional<std::string> ime, prezime, email;
};

enum class SubmissionStatus {
    Created,         // the submission is stored
    AlreadyCreated,  // the payment has its submission of serial number 1 (or the add failed)
    NoPayment,       // the payment does not exist
    StoreFailed,     // a read failed
};

struct SubmissionOutcome {
    SubmissionStatus status = SubmissionStatus::Created;
    Jopo jopo;            // as stored
    std::string message;  // for the user: obrazacKreiran, obrazacVecKreiran or what failed
};

// The author a new submission would start with: the one of the submission with the highest
// number, blank when there is none. `complete` tells whether the return can be written with it.
struct CarriedAuthor {
    Jopo last;
    bool complete = false;
};
StoreCode carriedAuthor(Store& store, CarriedAuthor& out);

// What keeps a typed author out of the return, for the user ("upišite ime autora", an e-mail the
// return does not take); nullopt when the author may be written.
std::optional<std::string> authorProblem(const AuthorOverride& author);

// Creates the submission of payment `isplata` in one transaction.
SubmissionOutcome createSubmission(Store& store, std::int32_t isplata, RandomSource& random,
                                   const AuthorOverride& author = {});

}  // namespace pramo
