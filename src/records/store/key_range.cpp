#include "records/store/key_range.h"

#include <sqlite3.h>

#include "records/store/heap_record.h"
#include "records/store/key_encoding.h"
#include "records/store/stmt_use.h"
#include "records/store/store_sql.h"

namespace pramo {

StoreCode readEqualRaw(Store& store, const KeyDef& key, const void* rec, const std::function<void(const void*)>& take) {
    const auto value = encodeKey(key, rec);
    store.setError(StoreCode::Ok);
    if (!value) return StoreCode::Ok;
    const TableDef& t = *key.table;
    const std::string k = sql::quoted(key.column());
    Store::Stmt* s = store.statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE " + k +
                                     " = ?1 ORDER BY " + k + ", _id");
    if (!s) return store.error().code;
    StmtUse use(s->st);
    sqlite3_bind_blob(use.get(), 1, value->data(), static_cast<int>(value->size()), SQLITE_TRANSIENT);
    const HeapRecord r(t);
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
        if (const StoreCode c = store.readRow(t, use.get(), r.get()); !ok(c)) return c;
        take(r.get());
    }
    return rc == SQLITE_DONE ? StoreCode::Ok : store.fail(rc);
}

}  // namespace pramo
