#pragma once
// "KREIRAJ XML DATOTEKU" (FORMIRAJ): the JOPPD return of a submission as its XML file. The data is
// checked first, every income item included; the document is written to a temporary file beside
// the target, validated against the official schema and only then put in place, and only then
// is its path stored in the submission. Any failure leaves the earlier file and the submission
// as they were and is never reported as created.

#include <cstdint>
#include <string>

#include "records/store/store.h"
#include "records/values/date.h"

namespace pramo {

inline constexpr const char* xmlDatotekaKreirana = "XML datoteka kreirana";

struct ReturnFileOutcome {
    bool created = false;
    std::string path;     // the file written
    std::string message;  // for the user: xmlDatotekaKreirana, or what stopped the return
};

// Where the file goes: `outDir` when given; otherwise the subdirectory "XML" of the data
// directory when it exists, else the data directory itself.
struct ReturnPlace {
    std::string dataDir;
    std::string outDir;
};

ReturnFileOutcome writeReturnFile(Store& store, const Clock& clock, std::int32_t submission, const ReturnPlace& place);

}  // namespace pramo
