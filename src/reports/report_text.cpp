#include "reports/report_text.h"

#include "records/layouts/mjesta.h"
#include "records/layouts/ulice.h"

namespace pramo {

QString personName(std::string_view ime, std::string_view prezime) {
    return (pageText(ime) + u' ' + pageText(prezime)).trimmed();
}

StoreCode placeName(ReportReads& reads, std::int32_t mjesto, QString& out) {
    std::optional<Mjesta> mje;
    const StoreCode c = reads.linked(mjesto, mje);
    out = mje ? pageText(mje->naziv.view()) : QString();
    return c;
}

std::string addressText(std::string_view place, std::string_view street, std::string_view houseNumber) {
    const auto join = [](std::string_view a, std::string_view separator, std::string_view b) {
        if (a.empty() || b.empty()) return std::string(a.empty() ? b : a);
        return std::string(a) + std::string(separator) + std::string(b);
    };
    return join(place, ", ", join(street, " ", houseNumber));
}

StoreCode addressOf(ReportReads& reads, std::int32_t mjesto, std::int32_t ulica, std::string_view kucniBroj, QString& out) {
    std::optional<Mjesta> mje;
    if (const StoreCode c = reads.linked(mjesto, mje); !ok(c)) return c;
    std::optional<Ulice> uli;
    if (const StoreCode c = reads.linked(ulica, uli); !ok(c)) return c;
    out = pageText(addressText(mje ? mje->naziv.view() : "", uli ? uli->naziv.view() : "", uli ? kucniBroj : ""));
    return StoreCode::Ok;
}

}  // namespace pramo
