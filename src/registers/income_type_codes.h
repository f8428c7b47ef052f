#pragma once
// The three JOPPD codes of an income type kept together: the recipient code (REZSTRINGA), the
// receipt code (REZSTRINGB, an entry of the VBRAT code book) and the non-taxable receipt code
// (REZDECIMALA, an entry of NEOPOREZ; 0 = none). A type whose recipient code is "00" is a
// non-taxable receipt with receipt code "0000"; any other type takes the recipient code its
// receipt code has in the code book. Texts compare without trailing blanks.

#include <cstdint>
#include <optional>
#include <string>

#include "records/layouts/neoporez.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/store.h"

namespace pramo {

inline constexpr const char* nonTaxableRecipient = "00";
inline constexpr const char* nonTaxableReceipt = "0000";

// The message shown when the recipient code and the receipt code's entry disagree.
inline constexpr const char* codesDisagree = "Upozorenje - oznake stjecatelja i primitka\nnisu usklađene!";

// The non-taxable receipt code of a type as a whole number (0: none).
std::int64_t nonTaxableCode(const Vrstedoh& vrs);
void setNonTaxableCode(Vrstedoh& vrs, std::int64_t code);

// The code book's entry of the type's receipt code; nullopt when it has none (or the read failed).
std::optional<Vbrat> receiptEntry(Store& store, const Vrstedoh& vrs);
// The non-taxable receipt the type names; nullopt when none has its code.
std::optional<Neoporez> nonTaxableEntry(Store& store, const Vrstedoh& vrs);

// After the receipt code was chosen or the form opened: a blank recipient code takes the code
// book's; a different one is left and the answer is the warning to show (empty: none).
std::string matchRecipient(const Vbrat& entry, Vrstedoh& vrs);

// Why the non-taxable receipt cannot be chosen now (empty: it can).
std::string nonTaxableRefusal(const Vrstedoh& vrs);
// A chosen non-taxable receipt makes the type a non-taxable receipt at once.
void markNonTaxable(Vrstedoh& vrs);

// The check on OK: whether the type may be stored, and the message to show (may be empty). A
// blank recipient code may take the code book's on the way.
struct TypeVerdict {
    bool store = true;
    std::string message;
};
TypeVerdict checkCodes(Store& store, Vrstedoh& vrs);

}  // namespace pramo
