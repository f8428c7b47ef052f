#include "payments/rates_check.h"

#include <vector>

#include "records/values/number_format.h"

namespace pramo {
namespace {

using Source = RatesProblem::Source;

// A rate with its names: as the command line's --rates names it, and as the form does.
struct Named {
    Exact percent;
    std::string option;     // "POREZ (porez na dohodak)"
    std::string croatian;   // "poreza"
    std::string value;      // "200.00"
    std::string vrijednost; // "200,00"
};

template <class D>
Named named(const D& rate, std::string option, std::string croatian) {
    return {Exact{rate}, std::move(option), std::move(croatian), rate.toString(), screenAmount(rate)};
}

std::vector<Named> namedRates(const Rates& r) {
    return {named(r.neoporezividio, "NEOP (neoporezivi dio)", "neoporezivog dijela"),
            named(r.priznatitroskovi, "PRIZN (priznati troškovi)", "priznatih troškova"),
            named(r.mirovinskoistup, "MOI (mirovinsko I. stup)", "mirovinskog I. stupa"),
            named(r.mirovinskoiistup, "MOII (mirovinsko II. stup)", "mirovinskog II. stupa"),
            named(r.zdravstveno, "ZO (zdravstveno osiguranje)", "zdravstvenog osiguranja"),
            named(r.poreznastopa, "POREZ (porez na dohodak)", "poreza")};
}

std::optional<RatesProblem> outOfRange(const Named& n, Source source) {
    if (n.percent >= Exact{0} && n.percent <= Exact{100}) return std::nullopt;
    return RatesProblem{source, n.option + " " + n.value + " % nije između 0 i 100 %",
                        "Stopa " + n.croatian + " " + n.vrijednost + " % nije između 0 i 100 %"};
}

std::optional<RatesProblem> sumAboveHundred(const Named& a, const Named& b) {
    if (a.percent + b.percent <= Exact{100}) return std::nullopt;
    return RatesProblem{Source::Rates, a.option + " i " + b.option + " zajedno prelaze 100 %",
                        "Stope " + a.croatian + " i " + b.croatian + " zajedno prelaze 100 %"};
}

Exact pct(const Exact& percent) { return percent / 100; }

// The share of the gross a single-rate calculation pays out as net.
Exact singleRateNetShare(const Terms& t) {
    const Rates& r = t.rates;
    const Exact odq = 1 - pct(r.neoporezividio) - pct(r.priznatitroskovi);
    const Exact pensions = pct(Exact{r.mirovinskoistup} + r.mirovinskoiistup);
    const Exact taxWithSurtax = pct(r.poreznastopa) * (1 + pct(t.stopaprireza));
    return 1 - odq * (pensions + (1 - pensions) * taxWithSurtax);
}

RatesProblem negativeNetShare(Source source, const std::string& option, const std::string& croatian) {
    return {source, option + " daju negativan udio neto iznosa u brutu (pozitivan neto tražio bi negativan bruto)",
            croatian + " daju negativan udio neto iznosa u brutu (pozitivan neto tražio bi negativan bruto)"};
}

std::optional<RatesProblem> bracketsProblem(const Terms& t) {
    for (std::size_t i = 0; i < t.brackets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const Named rate = named(t.brackets[i].stopa, "stopa " + n + ". razreda", std::to_string(i + 1) + ". razreda");
        if (auto p = outOfRange(rate, Source::Brackets)) return p;
        if (pct(rate.percent) * (1 + pct(t.stopaprireza)) > Exact{1})
            return negativeNetShare(Source::Brackets, "stopa " + n + ". razreda i stopa prireza",
                                    "Stopa " + n + ". razreda i stopa prireza");
    }
    return std::nullopt;
}

}  // namespace

std::optional<RatesProblem> ratesProblem(const Terms& t) {
    const std::vector<Named> rates = namedRates(t.rates);
    for (const Named& n : rates) {
        if (auto p = outOfRange(n, Source::Rates)) return p;
    }
    if (auto p = outOfRange(named(t.stopaprireza, "stopa prireza", "prireza"), Source::Surtax)) return p;
    if (auto p = sumAboveHundred(rates[0], rates[1])) return p;
    if (auto p = sumAboveHundred(rates[2], rates[3])) return p;
    if (t.visestopa) return bracketsProblem(t);
    if (singleRateNetShare(t) < Exact{0})
        return negativeNetShare(Source::Rates, "NEOP, PRIZN, MOI, MOII i POREZ zajedno sa stopom prireza",
                                "Stope vrste dohotka zajedno sa stopom prireza");
    return std::nullopt;
}

}  // namespace pramo
