#pragma once
// The figures of the year-end certificates: for each payee of one payer, the payer's income items
// of that payee in one calendar year (by the payment's date), grouped by income type, each row
// the sums of the item's stored lines. The pages are laid out from these (potvrde_pages.h).

#include <QString>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/vrstedoh.h"
#include "payments/item_context.h"
#include "reports/position_sums.h"
#include "documents/report_reads.h"

namespace pramo {

// ISPISPOTVRDE, the ordinary certificate, and ISPISPOTVRDESKRIZNICOM, the one with a column for
// the crisis tax.
enum class CertificateKind { Ordinary, WithCrisisTax };

// The certificate a year is given: the crisis-tax one for 2009 and 2010.
CertificateKind certificateKindFor(int year);
// The year certificates are offered for: from August on this year's, until then last year's.
int defaultCertificateYear(Date today);

struct CertificateParty {
    QString name;
    QString address;
    QString oib;
};

struct CertificateRow {
    std::int64_t order = 0;  // the item's place in the payee's items (the order they were entered)
    Date datum;              // the payment's date
    PositionSums amounts;
    QString porezStopa;      // the municipality's rate the tax was taken at ("23%"); empty: the type's
};

struct CertificateGroup {
    Vrstedoh vrs;
    std::vector<CertificateRow> rows;
    PositionSums subtotal;
};

struct Certificate {
    std::int32_t payee = 0;
    std::string payeeOrder;  // where the payee stands in surname order
    CertificateParty payer;
    CertificateParty payeeParty;
    std::map<std::uint8_t, CertificateGroup> groups;  // by income type code, ascending
    PositionSums total;
};

// What every certificate of one run shares.
struct CertificateRun {
    CertificateKind kind = CertificateKind::Ordinary;
    int year = 0;
    QString placeAndDate;  // "Zagreb, 15.01.2016": the payer's place and the report date
};

// What a certificate reads of each income item.
inline constexpr Wants certificateItem{.place = true, .street = true, .type = true, .lines = true};

class CertificateCollector {
public:
    CertificateCollector(Store& store, std::int32_t payer, CertificateRun& run);

    // Reads the payer and fills what the run's certificates share; a failed read names its file.
    StoreCode start(Date reportDate, const TableDef*& failed);
    // The certificate of the item's payee, made (with its header) on first use.
    Certificate& certificateOf(const ItemContext& item);
    // Adds the item, with the municipality's rate its tax was taken at, when it belongs to the
    // chosen payer and year; other items are passed over.
    StoreCode addItem(const ItemContext& item, const Isplate& isp);
    // A failed run names the file whose read of a rate failed, when one did.
    ReportResult named(ReportResult r) const { return reads_.named(std::move(r)); }
    // The certificates in the payees' surname order, their rows in the order the items were entered.
    std::vector<Certificate> finish();
    // Whether a sum went past the widest amount.
    bool overflowed() const { return overflow_; }

private:
    bool shows(const Vrstedoh& vrs) const;

    Store& store_;
    ReportReads reads_{store_};  // the municipal rates taken
    std::int32_t payer_;
    CertificateRun& run_;
    CertificateParty payerParty_;
    std::map<std::int32_t, Certificate> certificates_;
    bool overflow_ = false;
};

}  // namespace pramo
