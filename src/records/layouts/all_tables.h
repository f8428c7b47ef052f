#pragma once
// Every file of the program, in the order "pramo-cli check" reports them.

#include <vector>

#include "records/store/table_def.h"

namespace pramo {

const std::vector<const TableDef*>& allTables();
const TableDef* tableNamed(std::string_view name);  // by database name ("OSOBE"); null when unknown

}  // namespace pramo
