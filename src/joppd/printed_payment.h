#pragma once
// The payment a printed JOPPD page is made for, with its payer and the payer's place and street.
// The printed pages report no missing record: what is missing prints blank.

#include <cstdint>

#include <QString>
#include <string_view>

#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/store/store.h"

namespace pramo {

struct PrintedPayment {
    Isplate isp;
    Subjekti sub;
    Mjesta mje;
    Ulice uli;
};

// Ok also when records are missing (they stay blank); otherwise the store's error.
StoreCode readPrintedPayment(Store& store, std::int32_t payment, PrintedPayment& out);

inline QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace pramo
