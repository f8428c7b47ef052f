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

StoreCode addressOf(ReportReads& reads, std::int32_t mjesto, std::int32_t ulica, std::string_view kucniBroj, QString& out) {
    QString place;
    if (const StoreCode c = placeName(reads, mjesto, place); !ok(c)) return c;
    std::optional<Ulice> uli;
    if (const StoreCode c = reads.linked(ulica, uli); !ok(c)) return c;
    const QString street = uli ? (pageText(uli->naziv.view()) + u' ' + pageText(kucniBroj)).trimmed() : QString();
    out = place.isEmpty() || street.isEmpty() ? place + street : place + QStringLiteral(", ") + street;
    return StoreCode::Ok;
}

}  // namespace pramo
