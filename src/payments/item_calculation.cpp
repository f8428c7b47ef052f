#include "payments/item_calculation.h"

#include <functional>

#include "payments/lines.h"
#include "payments/rates_check.h"
#include "records/values/number_format.h"

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

// Why no tax rate can be taken for a type taxed at the municipality's rate.
std::string noTaxRate(LookUp result, const References& refs) {
    const std::string tail = "; obračun nije napravljen.";
    const std::string datum = refs.isp ? refs.isp->datum.toString() : std::string();
    switch (result) {
    case LookUp::NoPaymentDate: return "Isplata nema datuma, a o njemu ovisi stopa poreza" + tail;
    case LookUp::NoMunicipality:
        return "Porez se od 2024. obračunava po stopi općine prebivališta, a primatelj je nema" + tail;
    case LookUp::MunicipalMultiRate:
        return "Vrsta dohotka s više stopa ne može obračunati porez po stopi općine" + tail;
    default:
        return "Općina " + refs.opc->naziv.str() + " (" + refs.opc->shifra.str() +
               ") nema stope poreza na dohodak na dan " + datum + "." + tail;
    }
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
    if (!found(pramo::lookUp(store_, doh, refs_), doh, out)) return false;
    if (const auto p = ratesProblem(termsOf(refs_))) {
        fail(out, CalcStatus::BadRates, p->croatian + "; obračun nije napravljen.");
        return false;
    }
    out.surtaxAssumedZero = !refs_.opc && !refs_.sto;
    if (out.surtaxAssumedZero) addNote(out, residenceNote(refs_));
    return true;
}

bool ItemCalculation::found(LookUp result, const Dohoci& doh, CalcOutcome& out) {
    switch (result) {
    case LookUp::Found: return true;
    case LookUp::NoPayee: fail(out, CalcStatus::NoPayee, odaberiDjelatnika); return false;
    case LookUp::PayeeMissing:
        fail(out, CalcStatus::PayeeMissing, "Primatelj " + num(doh.djelatnik) + " nije upisan; obračun nije napravljen.");
        return false;
    case LookUp::TypeMissing:
        fail(out, CalcStatus::TypeMissing, "Vrsta dohotka " + num(doh.vrstadohotka) + " nije upisana; obračun nije napravljen.");
        return false;
    case LookUp::NoPaymentDate:
    case LookUp::NoMunicipality:
    case LookUp::NoMunicipalRate:
    case LookUp::MunicipalMultiRate: fail(out, CalcStatus::NoTaxRate, noTaxRate(result, refs_)); return false;
    case LookUp::Failed: storeFailed(out, *refs_.failedFile); return false;
    }
    return false;
}

ItemCalculation::RatesShown ItemCalculation::ratesShown(const Dohoci& doh) {
    CalcOutcome out;
    const LookUp result = pramo::lookUp(store_, doh, refs_);
    if (result == LookUp::NoPayee || result == LookUp::PayeeMissing || result == LookUp::TypeMissing) return {};
    if (!found(result, doh, out)) return {.porez = out.message};
    const TaxRateTaken taken = taxRateTaken(refs_);
    return {.porez = taken.screenText(), .prirez = taken.basis == TaxBasis::Municipality ? screenAmount(taken.surtax) : ""};
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
