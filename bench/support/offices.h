#pragma once
// The large offices the benchmarks and the measuring tool (make_office) work on, each in a data
// directory of its own.

#include <cstdint>

#include "support/bench_data.h"

namespace pramo {

// Payment 1 of payer 1 with `items` items of an author's fee over 200 payees, and its JOPPD
// submission.
struct PaymentOffice : BenchData {
    explicit PaymentOffice(int items, const std::string& where = {});  // where: as BenchData takes it
    std::int32_t submission = 0;
};

// Payer 1 with a payment in every month of 2014 and 2015 and `items` items in each of those
// years, ten a payee.
struct YearOffice : BenchData {
    static constexpr int itemsPerPayee = 10;
    explicit YearOffice(int items);
    int payees;

private:
    void addRegisters();
    void addItem(int i);
};

}  // namespace pramo
