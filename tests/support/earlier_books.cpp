#include "support/earlier_books.h"

#include "records/layouts/opcine.h"
#include "records/layouts/vrstedoh.h"
#include "support/raw_db.h"

namespace pramo::test {

std::string earlierIncomeTypeLayout() {
    const std::string now = Vrstedoh::table.layoutSignature();
    return now.substr(0, now.rfind(";POREZOPCINE"));
}

std::string earlierMunicipalityLayout() {
    std::string now = Opcine::table.layoutSignature();
    return now.replace(now.find("SHIFRA STRING(5)"), 16, "SHIFRA STRING(4)");
}

bool makeEarlierBooks(const std::string& path) {
    RawDb raw(path);
    const std::string steps[] = {
        "DROP INDEX \"OPCINE_KEYSHIFRA\"",
        "ALTER TABLE \"OPCINE\" DROP COLUMN \"_KEYSHIFRA\"",
        "ALTER TABLE \"VRSTEDOH\" DROP COLUMN \"POREZOPCINE\"",
        "UPDATE _pramo_layout SET signature = '" + earlierIncomeTypeLayout() + "' WHERE tbl = 'VRSTEDOH'",
        "UPDATE _pramo_layout SET signature = '" + earlierMunicipalityLayout() + "' WHERE tbl = 'OPCINE'",
        "DROP TABLE \"STOPEOPCINA\"",
        "DELETE FROM _pramo_layout WHERE tbl = 'STOPEOPCINA'",
        "CREATE INDEX \"OBRACUN_KEYPOZICIJA\" ON \"OBRACUN\" (\"_KEYPOZICIJA\") WHERE \"_KEYPOZICIJA\" IS NOT NULL",
    };
    for (const std::string& step : steps)
        if (raw.exec(step) != 0) return false;
    return true;
}

}  // namespace pramo::test
