#include "shell/list/list_page.h"

#include <algorithm>

namespace pramo {
namespace {

// Sorts after every sort value that starts with a range's prefix: a key's components encode to
// far fewer bytes than this, and no component encodes as a run of 0xFF bytes this long.
const std::string& afterEveryValue() {
    static const std::string tail(1024, '\xFF');
    return tail;
}

}  // namespace

ListPage::ListPage(Store& store, const TableDef& table) : store_(store), table_(table) {}

void ListPage::setSort(const KeyDef& key, std::string rangePrefix, Filter filter) {
    key_ = &key;
    prefix_ = std::move(rangePrefix);
    filter_ = std::move(filter);
    cursor_ = std::make_unique<Cursor>(store_, key);
    rows_.clear();
    current_ = -1;
}

void ListPage::setCapacity(int rows) { capacity_ = std::max(1, rows); }

bool ListPage::inRange(const Position& p) const { return p.sortValue.starts_with(prefix_); }

Position ListPage::edgePosition(bool forward) const {
    return {key_, forward ? prefix_ : prefix_ + afterEveryValue(), 0};
}

// Reads up to n records in range from a place in the key, skipping those the filter rejects.
StoreCode ListPage::read(const Position& from, From how, bool forward, std::size_t n, std::vector<PageRow>& out) {
    const bool skipFrom = how == From::Exclusive;
    cursor_->setReadAhead(static_cast<int>(n) + (skipFrom ? 1 : 0));
    if (how == From::Edge && prefix_.empty()) cursor_->set();
    else cursor_->resetTo(how == From::Edge ? edgePosition(forward) : from);
    RecordBuffer rec(table_);
    while (out.size() < n) {
        const StoreCode rc = forward ? cursor_->next(rec.get()) : cursor_->previous(rec.get());
        if (rc == StoreCode::NoMoreRecords) break;
        if (!ok(rc)) return rc;
        Position p = cursor_->position();
        if (!inRange(p)) break;
        if (skipFrom && p.id == from.id && p.sortValue == from.sortValue) continue;
        if (filter_ && !filter_(rec)) continue;
        PageRow row{rec, std::move(p), {}};
        if (cells_) cells_(rec, row.cells);
        out.push_back(std::move(row));
    }
    return store_.answer(StoreCode::Ok);
}

void ListPage::setRows(std::vector<PageRow> rows, int current) {
    rows_ = std::move(rows);
    current_ = rows_.empty() ? -1 : std::clamp(current, 0, static_cast<int>(rows_.size()) - 1);
}

void ListPage::setCurrent(int row) {
    if (!rows_.empty()) current_ = std::clamp(row, 0, static_cast<int>(rows_.size()) - 1);
}

StoreCode ListPage::first() {
    std::vector<PageRow> rows;
    if (auto rc = read({}, From::Edge, true, static_cast<std::size_t>(capacity_), rows); !ok(rc)) return rc;
    setRows(std::move(rows), 0);
    return StoreCode::Ok;
}

StoreCode ListPage::last() {
    std::vector<PageRow> rows;
    if (auto rc = read({}, From::Edge, false, static_cast<std::size_t>(capacity_), rows); !ok(rc)) return rc;
    std::reverse(rows.begin(), rows.end());
    setRows(std::move(rows), capacity_);
    return StoreCode::Ok;
}

// The located record goes on `row` when there are enough records above it; near the end of the
// range the page is filled from above so that it stays full.
StoreCode ListPage::locate(const Position& at, int row) {
    const auto cap = static_cast<std::size_t>(capacity_);
    std::vector<PageRow> after;
    if (auto rc = read(at, From::Inclusive, true, cap, after); !ok(rc)) return rc;
    if (after.empty()) return last();
    const std::size_t wanted = static_cast<std::size_t>(std::clamp(row, 0, capacity_ - 1));
    std::vector<PageRow> before;
    const Position from = after.front().pos;
    if (auto rc = read(from, From::Exclusive, false, std::max(wanted, cap - after.size()), before); !ok(rc)) return rc;
    const int located = static_cast<int>(before.size());
    std::reverse(before.begin(), before.end());
    std::move(after.begin(), after.end(), std::back_inserter(before));
    if (before.size() > cap) before.erase(before.begin() + static_cast<std::ptrdiff_t>(cap), before.end());
    setRows(std::move(before), located);
    return StoreCode::Ok;
}

StoreCode ListPage::refresh() {
    if (empty()) return first();
    const Position at = highlighted()->pos;
    return locate(at, current_);
}

StoreCode ListPage::down() {
    if (empty()) return StoreCode::Ok;
    if (current_ + 1 < static_cast<int>(rows_.size())) {
        ++current_;
        return StoreCode::Ok;
    }
    return pageDownBy(1);
}

StoreCode ListPage::up() {
    if (empty()) return StoreCode::Ok;
    if (current_ > 0) {
        --current_;
        return StoreCode::Ok;
    }
    return pageUpBy(1);
}

StoreCode ListPage::pageDown() { return empty() ? StoreCode::Ok : pageDownBy(capacity_); }
StoreCode ListPage::pageUp() { return empty() ? StoreCode::Ok : pageUpBy(capacity_); }

// Moves the highlight n rows down: the page takes up to n more records at its foot and drops as
// many from its head; where the range ends the highlight moves on within the page instead.
StoreCode ListPage::pageDownBy(int n) {
    std::vector<PageRow> more;
    if (auto rc = read(rows_.back().pos, From::Exclusive, true, static_cast<std::size_t>(n), more); !ok(rc)) return rc;
    std::move(more.begin(), more.end(), std::back_inserter(rows_));
    const int dropped = std::max(0, static_cast<int>(rows_.size()) - capacity_);
    rows_.erase(rows_.begin(), rows_.begin() + dropped);
    setCurrent(current_ + n - dropped);
    return StoreCode::Ok;
}

StoreCode ListPage::pageUpBy(int n) {
    std::vector<PageRow> more;
    if (auto rc = read(rows_.front().pos, From::Exclusive, false, static_cast<std::size_t>(n), more); !ok(rc)) return rc;
    const int added = static_cast<int>(more.size());
    std::reverse(more.begin(), more.end());
    rows_.insert(rows_.begin(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    if (static_cast<int>(rows_.size()) > capacity_) rows_.erase(rows_.begin() + capacity_, rows_.end());
    setCurrent(current_ + added - n);
    return StoreCode::Ok;
}

StoreCode ListPage::edge(bool lastOne, RecordBuffer& out, bool& found) {
    std::vector<PageRow> rows;
    if (auto rc = read({}, From::Edge, !lastOne, 1, rows); !ok(rc)) return rc;
    found = !rows.empty();
    if (found) out = rows.front().rec;
    return StoreCode::Ok;
}

}  // namespace pramo
