#pragma once
// The figures of the IDD form as data: its rows with the positions whose stored lines fill them,
// its amount columns 3 to 8 (an income type names its column), the cells the form has no box for,
// and the pairs of position and column that are not taken at all. IddFigures adds up the items of
// a month by these tables.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "reports/position_sums.h"

namespace pramo {

inline constexpr int firstIddColumn = 3;
inline constexpr int lastIddColumn = 8;

enum class IddRowKind { Count, Amounts, Heading, Empty };

struct IddRow {
    QString number;
    QString text;
    IddRowKind kind = IddRowKind::Amounts;
    std::vector<Pozicija> positions{};  // Amounts: the lines it adds up
    std::vector<int> noCell{};          // columns the form has no box for in this row (still counted)
};

struct IddColumn {
    int number;
    QStringList heading;
};

const std::vector<IddRow>& iddRows();
const std::vector<IddColumn>& iddColumns();
// Whether the lines of a position are left out of a column (and of the row's total).
bool iddSkips(Pozicija position, int column);

// One row's figures: per column 3 to 8, and the total of column 9. An item whose income type names
// no column of the form counts in the total only.
struct IddCells {
    std::array<Total, lastIddColumn + 1> byColumn{};
    Total total;
};

class IddFigures {
public:
    IddFigures();

    void addItem(int column, const PositionSums& lines);

    std::int64_t count(int column) const { return counts_[static_cast<std::size_t>(column)]; }
    std::int64_t countTotal() const { return countTotal_; }
    // The figures of row `row` of iddRows().
    const IddCells& cells(std::size_t row) const { return cells_[row]; }
    bool overflowed() const;

private:
    std::array<std::int64_t, lastIddColumn + 1> counts_{};
    std::int64_t countTotal_ = 0;
    std::vector<IddCells> cells_;
};

bool isIddColumn(int column);

}  // namespace pramo
