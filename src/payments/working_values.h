#pragma once
// The working values of an income item's calculation and the lines it produces. The income item
// form keeps one Loc for as long as it is open: a value one routine leaves behind (the crisis-tax
// rate, the gross amount typed by the user) is what the next routine finds.

#include <array>
#include <cstdint>
#include <vector>

#include "records/values/dec.h"

namespace pramo {

using CrisisRate = Dec<7, 3>;  // crisis-tax rate, percent

// The calculation positions: an income item has one stored line per position. 1 to 12 are the
// calculation's own; 13 and 14 belong to the crisis tax. A hand-entered line may carry any other
// number (it is kept, never recomputed).
enum class Pozicija : std::uint16_t {
    Bruto = 1,          // gross
    NeoporeziviDio,     // non-taxable part
    PriznatiTroskovi,   // recognised expenses
    Osnovica,           // contribution base
    MirovinskoI,        // pension contribution, pillar I
    MirovinskoII,       // pension contribution, pillar II
    Dohodak,            // income
    Porez,              // income tax
    Prirez,             // surtax
    Neto,               // net paid out
    Zdravstveno,        // health insurance
    Odbitak,            // personal allowance used
    Kriznica,           // crisis tax
    PoslijeKriznice,    // net after the crisis tax
};

inline constexpr std::uint16_t number(Pozicija p) { return static_cast<std::uint16_t>(p); }
inline constexpr int calculatedPositions = 12;

// The amounts of positions 1 to 12.
struct Lines {
    std::array<Money, calculatedPositions> amounts{};

    Money& operator[](Pozicija p) { return amounts[index(p)]; }
    const Money& operator[](Pozicija p) const { return amounts[index(p)]; }
    // By number, for code that walks every position (1 to 12).
    Money& at(int position) { return amounts.at(static_cast<std::size_t>(position - 1)); }
    const Money& at(int position) const { return amounts.at(static_cast<std::size_t>(position - 1)); }
    friend bool operator==(const Lines&, const Lines&) = default;

private:
    static std::size_t index(Pozicija p) { return static_cast<std::size_t>(number(p) - 1); }
};

// One bracket's share of a multiple-rate calculation.
struct BracketShare {
    Money netto;   // net allotted to the bracket
    Money porezz;  // tax and surtax of the bracket
    Money osnova;  // taxable base the bracket took
};

struct Loc {
    Money neto;              // the item's net amount, taken at the start of a calculation
    Factor i;                // surtax factor 1 + surtax rate / 100
    Factor odq;              // share of the gross that is contribution base
    Factor dohq;             // share of the contribution base left after pension contributions
    Factor moip, moiip;      // pension rates of pillars I and II as fractions
    Factor ppp;              // tax rate as a fraction times the surtax factor
    Money bruto;             // gross amount; also what the user types to calculate from the gross
    Money neopdio;           // non-taxable part
    Money priznatitroskovi;  // recognised expenses
    Money od;                // contribution base
    Money moi, moii;         // pension contributions, pillars I and II
    Money doh;               // income
    Money porez, prirez;     // income tax, surtax
    Money zdravstveno;       // health insurance
    Money odb;               // allowance used, all in the first bracket (multiple rates)
    std::vector<BracketShare> razredi;  // per bracket, in bracket order (multiple rates)
    Money osnovica;          // bound of the previous bracket
    Money raspon;            // width of the current bracket
    Money posn;              // base needed for the net still unallotted
    Money netosum;           // net allotted so far
    CrisisRate kstopa;       // crisis-tax rate
    Money kriznica;          // crisis tax
};

}  // namespace pramo
