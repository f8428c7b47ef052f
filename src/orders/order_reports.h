#pragma once
// HUB3 and HUB3A: the payment orders of one payment on pre-printed HUB-3 forms (one order to a
// sheet, the simple preview) or HUB-3A forms (three to a sheet with the 2D code, the full
// preview). Run for a payment, on a matrix printer's paper moved by the offsets of a PARAM record
// (the given one, else the first in the file) or on a laser printer's sheets. Their text form
// lists each order's fields, one "NAME=value" a line.

#include "documents/report_declaration.h"

namespace pramo {

extern const ReportSpec hub3Report;
extern const ReportSpec hub3aReport;

}  // namespace pramo
