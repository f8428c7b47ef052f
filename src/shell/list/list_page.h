#pragma once
// The page a list shows, and nothing more: as many rows as fit the window, read by key from the
// store as the user moves. Each row keeps its record, the values shown and the record's place in
// the key, so that the page can be rebuilt around it. Moving costs the same on a file of ten
// records and one of a million: every move repositions on the key and reads at most a page.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/store/cursor.h"
#include "shell/form/record_buffer.h"

namespace pramo {

struct PageRow {
    RecordBuffer rec;
    Position pos;
    std::vector<std::string> cells;
};

class ListPage {
public:
    using Filter = std::function<bool(const RecordBuffer& rec)>;
    using CellReader = std::function<void(const RecordBuffer& rec, std::vector<std::string>& cells)>;

    ListPage(Store& store, const TableDef& table);

    // The order and limits of the list: a key of the table; the sort value that the leading key
    // components of every record in range share (empty: the whole key); and a filter (may be
    // empty). The page is emptied; fill it with first() or locate().
    void setSort(const KeyDef& key, std::string rangePrefix, Filter filter);
    void setCells(CellReader reader) { cells_ = std::move(reader); }
    void setCapacity(int rows);
    int capacity() const { return capacity_; }
    const KeyDef& key() const { return *key_; }
    const std::string& rangePrefix() const { return prefix_; }

    // Each answers the store's code; on an error other than the end of the range the page is left
    // as it was.
    StoreCode first();                            // Home: the first record in range on row 0
    StoreCode last();                             // End: the last record in range on the last row
    StoreCode locate(const Position& at, int row);  // the first record at or after `at`, on `row`
    StoreCode refresh();                          // rebuilt around the highlighted record
    StoreCode down();
    StoreCode up();
    StoreCode pageDown();
    StoreCode pageUp();

    // The first or last record in range (for the thumb); `found` is false on an empty range.
    StoreCode edge(bool lastOne, RecordBuffer& out, bool& found);

    const std::vector<PageRow>& rows() const { return rows_; }
    bool empty() const { return rows_.empty(); }
    int current() const { return current_; }
    void setCurrent(int row);
    const PageRow* highlighted() const { return empty() ? nullptr : &rows_[static_cast<std::size_t>(current_)]; }

private:
    enum class From { Edge, Inclusive, Exclusive };
    StoreCode read(const Position& from, From how, bool forward, std::size_t n, std::vector<PageRow>& out);
    Position edgePosition(bool forward) const;
    bool inRange(const Position& p) const;
    void setRows(std::vector<PageRow> rows, int current);
    StoreCode pageDownBy(int n);
    StoreCode pageUpBy(int n);

    Store& store_;
    const TableDef& table_;
    const KeyDef* key_ = nullptr;
    std::string prefix_;
    Filter filter_;
    CellReader cells_;
    std::unique_ptr<Cursor> cursor_;
    int capacity_ = 1;
    std::vector<PageRow> rows_;
    int current_ = -1;
};

}  // namespace pramo
