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
    QString iznosi;       // "(iznosi u eurima i centima)": the currency of the month
    QString porezStope;   // the municipalities' rates the month's tax was taken at ("23%, 15%"); empty: none
};

Page iddPage(const IddHeader& header, const IddFigures& figures);

}  // namespace pramo
