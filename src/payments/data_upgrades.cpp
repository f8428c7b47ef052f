#include "payments/data_upgrades.h"

#include "payments/payment_dates.h"
#include "payments/positions.h"

namespace pramo {

std::span<const RecordUpgrade> recordUpgrades() {
    static constexpr RecordUpgrade upgrades[] = {upgradePositions, upgradePaymentYears};
    return upgrades;
}

}  // namespace pramo
