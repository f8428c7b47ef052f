#pragma once
// A record of a declared type on the heap, for generic code that knows only the table: walking a
// relation's children without disturbing a caller's buffer, or reading rows for their keys.

#include "records/store/table_def.h"

namespace pramo {

class HeapRecord {
public:
    explicit HeapRecord(const TableDef& t) : t_(t), rec_(t.create()) {}
    HeapRecord(const TableDef& t, const void* from) : HeapRecord(t) { t.copy(rec_, from); }
    ~HeapRecord() { t_.destroy(rec_); }
    HeapRecord(const HeapRecord&) = delete;
    HeapRecord& operator=(const HeapRecord&) = delete;
    void* get() const { return rec_; }

private:
    const TableDef& t_;
    void* rec_;
};

}  // namespace pramo
