#include "registers/income_type_codes.h"

#include <limits>

namespace pramo {
namespace {

bool isBlankOr(const Text<2>& code, const char* value) { return code.blank() || code == value; }

// The first two characters of the code book's recipient category count.
Text<2> recipientOf(const Vbrat& entry) { return Text<2>(entry.rezerva.view()); }

TypeVerdict refused(std::string message) { return {.store = false, .message = std::move(message)}; }

TypeVerdict checkTaxable(Store& store, Vrstedoh& vrs) {
    if (nonTaxableCode(vrs) != 0)
        return refused("Oznaka stjecatelja nije neoporezivi primitak, a odabrana je oznaka neoporezivog primitka");
    const auto entry = receiptEntry(store, vrs);
    if (!entry) return {.store = true, .message = "Nije odabrana oznaka primitka"};
    if (vrs.rezstringa.blank()) vrs.rezstringa = recipientOf(*entry);
    if (vrs.rezstringa == recipientOf(*entry)) return {};
    return refused(codesDisagree);
}

TypeVerdict checkNonTaxable(const Vrstedoh& vrs) {
    if (nonTaxableCode(vrs) == 0)
        return refused("Oznaka stjecatelja je neoporezivi primitak, a nije odabrana oznaka neoporezivog primitka");
    if (vrs.rezstringb == nonTaxableReceipt) return {};
    return refused("Oznaka stjecatelja je neoporezivi primitak i unesena je oznaka neoporezivog primitka\n"
                   "a oznaka primitka nije 0000 !");
}

}  // namespace

std::int64_t nonTaxableCode(const Vrstedoh& vrs) { return vrs.rezdecimala.raw() / pow10i(decltype(vrs.rezdecimala)::places); }

void setNonTaxableCode(Vrstedoh& vrs, std::int64_t code) { vrs.rezdecimala = decltype(vrs.rezdecimala)::whole(code); }

std::optional<Vbrat> receiptEntry(Store& store, const Vrstedoh& vrs) {
    Vbrat vbr;
    vbr.shifra = vrs.rezstringb.view();
    if (vbr.shifra.blank() || !ok(store.get(Vbrat::keyShifra, vbr))) return std::nullopt;
    return vbr;
}

std::optional<Neoporez> nonTaxableEntry(Store& store, const Vrstedoh& vrs) {
    const std::int64_t code = nonTaxableCode(vrs);
    if (code <= 0 || code > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    Neoporez neo;
    neo.shifra = static_cast<std::int16_t>(code);
    if (!ok(store.get(Neoporez::keyShifra, neo))) return std::nullopt;
    return neo;
}

std::string matchRecipient(const Vbrat& entry, Vrstedoh& vrs) {
    if (vrs.rezstringa.blank()) vrs.rezstringa = recipientOf(entry);
    return vrs.rezstringa == recipientOf(entry) ? std::string() : std::string(codesDisagree);
}

std::string nonTaxableRefusal(const Vrstedoh& vrs) {
    if (!isBlankOr(vrs.rezstringa, nonTaxableRecipient)) return "Oznaka stjecatelja nije ispravna za neoporezivi primitak!";
    if (!vrs.rezstringb.blank() && !(vrs.rezstringb == nonTaxableReceipt))
        return "Oznaka primitka mora biti 0000 za neoporezivi primitak!";
    return {};
}

void markNonTaxable(Vrstedoh& vrs) {
    vrs.rezstringa = nonTaxableRecipient;
    vrs.rezstringb = nonTaxableReceipt;
}

TypeVerdict checkCodes(Store& store, Vrstedoh& vrs) {
    return vrs.rezstringa == nonTaxableRecipient ? checkNonTaxable(vrs) : checkTaxable(store, vrs);
}

}  // namespace pramo
