#include "payments/item_calculation.h"

#include <functional>

#include "payments/lines.h"
#include "payments/rates_check.h"

namespace pramo {

namespace {

std::string num(std::int64_t n) { return std::to_string(n); }

void addNote(CalcOutcome& out, const std::string& note) {
    out.message += (out.message.empty() ? "" : "\n") + note;
}

// Why the surtax rate is 0 when the payee's residence cannot be followed to a municipality.
std::string residenceNote(const References& refs) {
    const std::string tail = "; prirez je obračunat po stopi 0.";
    if (refs.oso.mjesto == 0) return "Primatelj nema upisano mjesto stanovanja" + tail;
    if (!refs.mje) return "Mjesto " + num(refs.oso.mjesto) + " primatelja nije upisano" + tail;
    return "Općina " + num(refs.mje->opcina) + " mjesta " + refs.mje->naziv.str() + " nije upisana" + tail;
}

}  // namespace

void ItemCalculation::fail(CalcOutcome& out, CalcStatus status, std::string message) {
    out.status = status;
    out.message = std::move(message);
}

void ItemCalculation::storeFailed(CalcOutcome& out, const TableDef& file) {
    out.error = store_.error();
    fail(out, CalcStatus::StoreFailed, "Greška datoteke " + file.label + ": " + out.error.text());
}

bool ItemCalculation::lookUp(const Dohoci& doh, CalcOutcome& out) {
    switch (pramo::lookUp(store_, doh, refs_)) {
    case LookUp::Found: break;
    case LookUp::NoPayee: fail(out, CalcStatus::NoPayee, "Odaberi djelatnika"); return false;
    case LookUp::PayeeMissing:
        fail(out, CalcStatus::PayeeMissing, "Primatelj " + num(doh.djelatnik) + " nije upisan; obračun nije napravljen.");
        return false;
    case LookUp::TypeMissing:
        fail(out, CalcStatus::TypeMissing, "Vrsta dohotka " + num(doh.vrstadohotka) + " nije upisana; obračun nije napravljen.");
        return false;
    case LookUp::Failed: storeFailed(out, *refs_.failedFile); return false;
    }
    if (const auto p = ratesProblem(termsOf(refs_))) {
        fail(out, CalcStatus::BadRates, p->croatian + "; obračun nije napravljen.");
        return false;
    }
    out.surtaxAssumedZero = !refs_.opc;
    if (out.surtaxAssumedZero) addNote(out, residenceNote(refs_));
    return true;
}

void ItemCalculation::finish(const Flags& flags, const std::function<StoreCode()>& write, Loc& work, Loc& loc,
                             CalcOutcome& out) {
    out.divisorZero = flags.divByZero;
    if (flags.divByZero) addNote(out, "Stope vrste dohotka daju dijeljenje nulom; ti su iznosi obračunati kao 0.");
    if (flags.overflow)
        return fail(out, CalcStatus::Overflow, "Iznos obračuna ne stane u svoje polje; ništa nije upisano.");
    if (!ok(inTransaction(store_, write))) return storeFailed(out, Obracun::table);
    loc = std::move(work);
}

CalcOutcome ItemCalculation::calculate(const Dohoci& doh, Loc& loc) {
    CalcOutcome out;
    if (!lookUp(doh, out)) return out;
    Loc work = loc;
    Flags flags;
    out.lines = pramo::calculate(termsOf(refs_), doh.neto, year(), work, flags);
    finish(flags, [&] { return writeLines(store_, doh.oznaka, out.lines); }, work, loc, out);
    return out;
}

CalcOutcome ItemCalculation::calculateFromGross(Dohoci& doh, Loc& loc) {
    CalcOutcome out;
    if (!lookUp(doh, out)) return out;
    const Terms terms = termsOf(refs_);
    Loc work = loc;
    Flags flags;
    out.lines = terms.visestopa ? visestopa(terms, doh.neto, work, flags) : izbruta(terms, loc.bruto, year(), work, flags);
    finish(flags, [&] { return writeLines(store_, doh.oznaka, out.lines); }, work, loc, out);
    if (out.written()) doh.neto = loc.neto;
    return out;
}

CalcOutcome ItemCalculation::kriznica(const Dohoci& doh, Loc& loc) {
    CalcOutcome out;
    Loc work = loc;
    Flags flags;
    out.crisis = pramo::kriznica(work, flags);
    finish(flags, [&] {
        const StoreCode c = writeLine(store_, doh.oznaka, Pozicija::Kriznica, out.crisis.kriznica);
        return ok(c) ? writeLine(store_, doh.oznaka, Pozicija::PoslijeKriznice, out.crisis.poslijeKriznice) : c;
    }, work, loc, out);
    return out;
}

}  // namespace pramo
