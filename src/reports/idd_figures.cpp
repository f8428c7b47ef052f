#include "reports/idd_figures.h"

#include <algorithm>

namespace pramo {
namespace {

using P = Pozicija;
using K = IddRowKind;

// Position and column pairs that are not taken: the contribution base of the types exempt from
// contributions and of author's and artists' work.
struct Skip {
    Pozicija position;
    int column;
};
constexpr Skip skipped[] = {{P::Osnovica, 4}, {P::Osnovica, 5}, {P::Osnovica, 6}};

}  // namespace

const std::vector<IddRow>& iddRows() {
    static const std::vector<IddRow> rows{
        {"1", "BROJ PRIMATELJA", K::Count},
        {"2.", "ISPLAĆENI PRIMICI", K::Amounts, {P::Bruto}},
        {"3.", "IZDACI", K::Amounts, {P::NeoporeziviDio, P::PriznatiTroskovi}, {7, 8}},
        {"4.", "OSNOVICA ZA OBRAČUN DOPRINOSA", K::Amounts, {P::Osnovica}},
        {"5.", "IZNOSI OBRAČUNANIH DOPRINOSA ZA:", K::Heading},
        {"5.1.", "doprinos za mirovinsko osiguranje", K::Amounts, {P::MirovinskoI}},
        {"5.2.", "doprinos za mir. osiguranje u određenim okolnostima", K::Empty},
        {"5.3.", "doprinos za mir. osiguranje na temelju individ. kapital. štednje", K::Amounts, {P::MirovinskoII}},
        {"5.4.", "doprinos za zdravstveno osiguranje", K::Amounts, {P::Zdravstveno}},
        {"5.5.", "posebni doprinos za zdr. osig. zaštite zdravlja na radu", K::Empty},
        {"5.6.", "posebni doprinos za korištenje zdr. zaštite u inozemstvu", K::Empty},
        {"6.", "IZDACI ZA DOPRINOSE (čl. 32. st. 4. Zakona)", K::Amounts, {P::MirovinskoI, P::MirovinskoII}, {5, 8}},
        {"7.", "OSNOVICA ZA OBRAČUN POREZA (2-3-6)", K::Amounts, {P::Dohodak}},
        {"8.", "predujam poreza na dohodak", K::Amounts, {P::Porez}},
        {"9.", "prirez porezu na dohodak", K::Amounts, {P::Prirez}},
        {"10.", "UPLAĆENI POREZ NA DOHODAK I PRIREZ", K::Amounts, {P::Porez, P::Prirez}},
    };
    return rows;
}

const std::vector<IddColumn>& iddColumns() {
    static const std::vector<IddColumn> columns{
        {3, {"Propisana", "obveza", "doprinosa"}},
        {4, {"Izuzeti od", "obveze", "doprinosa"}},
        {5, {"Autorsko i", "umjetničko", "stvaralaštvo"}},
        {6, {"Športaši,", "umjetnici", "i novinari"}},
        {7, {"nerezidenti"}},
        {8, {"Primitak", "učenika i", "studenata"}},
    };
    return columns;
}

bool iddSkips(Pozicija position, int column) {
    return std::ranges::any_of(skipped, [&](const Skip& s) { return s.position == position && s.column == column; });
}

bool isIddColumn(int column) { return column >= firstIddColumn && column <= lastIddColumn; }

IddFigures::IddFigures() : cells_(iddRows().size()) {}

void IddFigures::addItem(int column, const PositionSums& lines) {
    ++countTotal_;
    if (isIddColumn(column)) ++counts_[static_cast<std::size_t>(column)];
    for (std::size_t r = 0; r < iddRows().size(); ++r) {
        for (const Pozicija p : iddRows()[r].positions) {
            if (iddSkips(p, column)) continue;
            IddCells& c = cells_[r];
            c.total += lines[p];
            if (isIddColumn(column)) c.byColumn[static_cast<std::size_t>(column)] += lines[p];
        }
    }
}

bool IddFigures::overflowed() const {
    return std::ranges::any_of(cells_, [](const IddCells& c) {
        return c.total.overflowed() || std::ranges::any_of(c.byColumn, [](const Total& t) { return t.overflowed(); });
    });
}

}  // namespace pramo
