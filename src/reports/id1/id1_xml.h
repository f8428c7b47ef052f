#pragma once
// The ID-1 return of a header as an XML file for electronic filing: the payer with the contact
// person, every payee from whom income tax or surtax was withheld in the year with the tax per
// revenue account, and the whole file's totals (whose tax also holds the crisis tax).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/layouts/id1.h"
#include "records/layouts/subjekti.h"
#include "records/store/files.h"

namespace pramo {

inline constexpr std::string_view id1Namespace = "http://e-porezna.porezna-uprava.hr/obrasci/id1/v4-0";

// "ID-1_" + the payer's OIB + "_01.xml".
std::string id1FileName(std::string_view payerOib);

// The document of `header`, or nullopt with the problem in `problem`. The messages about an income
// type without tax account (one per item) and a payee without OIB are added to `notes` in the
// order the payees are written, for the caller to show.
std::optional<std::string> id1Document(Store& store, const Id1& header, const Subjekti& payer, std::string& problem,
                                       std::vector<MessageBox>& notes);

struct Id1XmlOutcome {
    std::string path;     // the file written (empty when nothing was)
    std::string problem;  // why not, for the command line
    std::string poruka;   // the same for the desktop, in Croatian
    std::vector<MessageBox> notes;  // what the user is told about the payees, before the outcome
    bool written() const { return problem.empty(); }
};

// The files the return reads.
std::vector<const TableDef*> id1XmlFiles();

// Writes the return of header number `header` into directory `dir`: whole and valid UTF-8, or
// not at all (a file already there is left as it was).
Id1XmlOutcome writeId1Xml(Files& files, std::int32_t header, const std::string& dir);

}  // namespace pramo
