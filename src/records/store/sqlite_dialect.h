#pragma once
// SQLite's SQL where it differs from PostgreSQL's: its column types, its triggers, its typeof().

#include "records/store/dialect.h"

namespace pramo {

class SqliteDialect final : public Dialect {
public:
    std::string_view idColumn() const override { return "INTEGER PRIMARY KEY"; }
    std::string_view integerType() const override { return "INTEGER"; }
    std::string_view textType() const override { return "TEXT"; }
    std::string_view bytesType() const override { return "BLOB"; }
    std::vector<std::string> createTriggers(const TableDef& t) const override;
    std::vector<std::string> dropTriggers(const TableDef& t) const override;
    std::string isInteger(std::string_view expr) const override;
    std::string isText(std::string_view expr) const override;
    std::string afterGivenIds(const TableDef&) const override { return {}; }
    std::string indexTail(bool) const override { return {}; }
    std::string pageAfter(std::string_view keyColumn, bool forward) const override;
};

}  // namespace pramo
