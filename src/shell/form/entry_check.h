#pragma once
// Why a value typed into a form's entry cannot be taken, in the user's words: the field's label
// and what it takes ("VODORAVNO mora biti između -32768 i 32767."). The form shows it and keeps
// the focus in the entry.

#include <QString>
#include <string>
#include <string_view>

#include "records/store/table_def.h"

namespace pramo {

// A number field that alone forms a unique key of its file (its record number): a record with 0
// there falls out of that key and could never be reached again.
bool aloneInUniqueKey(const TableDef& table, const FieldDef& field);

// The message for a typed value `field` cannot take, or that is 0 where `refuseZero`; empty when
// the value is taken.
std::string entryFault(const FieldDef& field, const QString& label, std::string_view typed, bool refuseZero);

}  // namespace pramo
