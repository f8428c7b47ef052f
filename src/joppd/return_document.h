#pragma once
// The JOPPD return as an XML document (schema version 1.1): metadata, page A and page B, written
// through the program's XML writer.

#include <optional>
#include <string>
#include <string_view>

#include "joppd/return_rows.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "xml/xml_writer.h"

namespace pramo {

// The schema set every return is validated against (under data/xsd/).
inline constexpr std::string_view joppdSchema = "joppd/ObrazacJOPPD-v1-1.xsd";

// Everything the document says.
struct ReturnData {
    Jopo jopo;
    Isplate isp;
    Subjekti sub;
    Mjesta mje;  // the payer's place
    Ulice uli;   // the payer's street
    PageB b;
    Date today;
    std::int32_t seconds = 0;  // time of day the document is made, seconds since midnight
};

// Writes the document with `w` (a value it cannot carry shows in w.problem()).
void joppdDocument(XmlWriter& w, const ReturnData& d);

// The text of every page B element of a row, in document order, with its name.
struct PageBElement {
    std::string_view name;
    std::string (*text)(const ReturnRow& row);
};
const std::vector<PageBElement>& pageBElements();

}  // namespace pramo
