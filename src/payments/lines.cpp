#include "payments/lines.h"

#include <algorithm>

#include "records/store/key_range.h"
#include "records/layouts/svasta.h"

namespace pramo {

namespace {

constexpr std::uint8_t paymentMethodSlot = 1;

Obracun lineOf(std::int32_t item, std::uint16_t position, Money amount = {}) {
    Obracun obr;
    obr.dohodak = item;
    obr.pozicija = position;
    obr.iznos = amount;
    return obr;
}

Svasta methodSlotOf(std::int32_t item, std::int16_t method = 0) {
    Svasta sva;
    sva.dohodak = item;
    sva.broj = paymentMethodSlot;
    sva.vrishort = method;
    return sva;
}

}  // namespace

StoreCode writeLine(Store& store, std::int32_t item, std::uint16_t position, Money amount) {
    Obracun obr = lineOf(item, position);
    const StoreCode found = store.get(Obracun::keyDohPoz, obr);
    if (found == StoreCode::NotFound) {
        obr = lineOf(item, position, amount);  // a failed get leaves nothing usable
        return store.add(obr);
    }
    if (!ok(found)) return found;
    obr.iznos = amount;
    return store.put(obr);
}

StoreCode writeLine(Store& store, std::int32_t item, Pozicija position, Money amount) {
    return writeLine(store, item, number(position), amount);
}

namespace {

// Sets position `position` among the item's lines `had` as read in the caller's transaction: adds
// it when missing, rewrites it when its amount differs, and leaves an equal one as it is.
StoreCode setLine(Store& store, std::int32_t item, std::uint16_t position, Money amount, std::vector<Obracun>& had) {
    const auto line = std::ranges::find(had, position, &Obracun::pozicija);
    if (line == had.end()) {
        Obracun obr = lineOf(item, position, amount);
        return store.add(obr);
    }
    if (line->iznos == amount) return StoreCode::Ok;
    line->iznos = amount;
    return store.put(*line);
}

}  // namespace

// The item's lines are read once, and only what changes is written.
StoreCode writeLines(Store& store, std::int32_t item, const Lines& lines) {
    std::vector<Obracun> had;
    if (auto c = readLines(store, item, had); !ok(c)) return c;
    for (int p = 1; p <= calculatedPositions; ++p) {
        if (auto c = setLine(store, item, static_cast<std::uint16_t>(p), lines.at(p), had); !ok(c)) return c;
    }
    return StoreCode::Ok;
}

StoreCode readLine(Store& store, std::int32_t item, Pozicija position, Obracun& line) {
    line = lineOf(item, number(position));
    return store.get(Obracun::keyDohPoz, line);
}

StoreCode readAmount(Store& store, std::int32_t item, Pozicija position, Money& amount) {
    Obracun obr;
    const StoreCode c = readLine(store, item, position, obr);
    amount = ok(c) ? obr.iznos : Money{};
    return c == StoreCode::NotFound ? StoreCode::Ok : c;
}

StoreCode readLines(Store& store, std::int32_t item, std::vector<Obracun>& lines) {
    return readEqual(store, Obracun::keyDohodak, lineOf(item, 0), lines);
}

StoreCode readPaymentMethod(Store& store, std::int32_t item, std::int16_t& method) {
    Svasta sva = methodSlotOf(item);
    const StoreCode c = store.get(Svasta::keyDohBroj, sva);
    method = ok(c) ? sva.vrishort : defaultPaymentMethod;
    return c == StoreCode::NotFound ? StoreCode::Ok : c;
}

MethodWrite writePaymentMethod(Store& store, std::int32_t item, std::int16_t method) {
    if (method < firstPaymentMethod || method > lastPaymentMethod) return MethodWrite::NotChosen;
    Svasta sva = methodSlotOf(item);
    StoreCode c = store.get(Svasta::keyDohBroj, sva);
    if (c == StoreCode::NotFound) {
        sva = methodSlotOf(item, method);
        c = store.add(sva);
    } else if (ok(c)) {
        sva.vrishort = method;
        c = store.put(sva);
    }
    return ok(c) ? MethodWrite::Written : MethodWrite::Failed;
}

}  // namespace pramo
