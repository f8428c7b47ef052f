#pragma once
// Books as the version before the municipal tax rates kept them, made from this version's books
// with the plain sqlite3 tool's means: VRSTEDOH without POREZOPCINE, OPCINE without its key on the
// municipality's code and with the code four characters wide, no STOPEOPCINA, and an index on the
// calculation lines' position key. The columns, keys and recorded layouts are then exactly those
// that version made.

#include <string>

namespace pramo::test {

// Turns the (closed) database at `path` into books of the earlier version; false when SQLite
// refused a step.
bool makeEarlierBooks(const std::string& path);

// VRSTEDOH's and OPCINE's recorded layouts in those books.
std::string earlierIncomeTypeLayout();
std::string earlierMunicipalityLayout();

}  // namespace pramo::test
