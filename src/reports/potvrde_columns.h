#pragma once
// The columns of the two certificates as data: the number printed under the headings, the heading
// lines, the width, and what a row shows there. An amount column shows the sum of the stored lines
// of its positions, each added or taken away.

#include <QString>
#include <QStringList>
#include <vector>

#include "payments/working_values.h"
#include "reports/potvrde_data.h"

namespace pramo {

enum class CertificateCell { RowNumber, PaymentDate, TypeName, Amount, RateText, ContributionDate };

struct PositionTerm {
    Pozicija position;
    int sign = 1;
};

struct CertificateColumn {
    QString number;
    QStringList heading;  // up to four lines
    double width;         // mm
    CertificateCell cell;
    std::vector<PositionTerm> terms{};  // Amount: what it adds up
};

struct CertificateLayout {
    std::vector<CertificateColumn> columns;
    bool spacerHasColumnRules;  // the empty row after a subtotal
};

const CertificateLayout& certificateLayout(CertificateKind kind);

// The amount a column shows for these sums.
Total columnAmount(const CertificateColumn& column, const PositionSums& sums);

// "25%", and with a non-taxable part in front of it "30%+25%".
QString certificateRate(const Vrstedoh& vrs);

}  // namespace pramo
