#pragma once
// Every file of the program, in the order "pramo-cli check" reports them.

#include <vector>

#include "records/store/table_def.h"

namespace pramo {

const std::vector<const TableDef*>& allTables();

}  // namespace pramo
