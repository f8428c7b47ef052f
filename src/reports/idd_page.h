#pragma once
// The printed IDD form: one landscape page with the payer, the month and the matrix of figures.

#include <QString>

#include "preview/page.h"
#include "reports/idd_figures.h"

namespace pramo {

struct IddHeader {
    QString naziv;        // the payer's name
    QString adresa;       // its place, street and house number
    QString porezniBroj;  // its OIB, or its old tax number when it has no OIB
    QString uMjesecu;     // "3.  2015."
    QString datumSastavljanja;
};

Page iddPage(const IddHeader& header, const IddFigures& figures);

}  // namespace pramo
