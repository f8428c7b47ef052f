#include "records/store/key_range.h"

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
    BackendStatement* s = store.statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE " + k +
                                     " = ?1 ORDER BY " + k + ", _id");
    if (!s) return store.error().code;
    StmtUse use(s);
    use->bindBlob(1, *value);
    const HeapRecord r(t);
    BackendStatement::Step step;
    while ((step = use->step()) == BackendStatement::Step::Row) {
        if (const StoreCode c = store.readRow(t, use.get(), r.get()); !ok(c)) return c;
        take(r.get());
    }
    return step == BackendStatement::Step::Done ? StoreCode::Ok : store.fail();
}

}  // namespace pramo
