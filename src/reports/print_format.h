#pragma once
// Numbers as printed pages show them: a point between thousands and a comma before the
// decimals ("1.234,50", "-0,05"), locale-free.

#include <cstdint>
#include <string>

#include "records/values/dec.h"

namespace pramo {

std::string printDecimal(std::int64_t raw, int places);

template <int N, int P>
std::string printAmount(const Dec<N, P>& value) {
    return printDecimal(value.raw(), P);
}

// The same, and empty when the value is zero.
template <int N, int P>
std::string printAmountOrBlank(const Dec<N, P>& value) {
    return value.isZero() ? std::string() : printAmount(value);
}

}  // namespace pramo
