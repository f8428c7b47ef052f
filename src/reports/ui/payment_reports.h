#pragma once
// The documents the payments list prints for what it has highlighted, each through its preview
// with progress and Cancel: the calculation of the highlighted income item (F12), of the whole
// payment (F11), and the IDD form of the payment's payer and month. True when pages were printed.

#include <cstdint>

class QWidget;

namespace pramo {

struct AppContext;

// OBRACUNISP: the stored lines of one income item.
bool printItemCalculation(AppContext& ctx, std::int32_t item, QWidget* parent);
// OBRISPLATEISP: the lines of every item of the payment, added up by position.
bool printPaymentCalculation(AppContext& ctx, std::int32_t payment, QWidget* parent);
// IDD: the payer's form for one month.
bool printIdd(AppContext& ctx, std::int32_t payer, int year, int month, QWidget* parent);

}  // namespace pramo
