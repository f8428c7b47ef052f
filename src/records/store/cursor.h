#pragma once
// A walk over one key's order (or the file's physical order): position, then read next or
// previous. It holds no transaction open between reads; it reads ahead a few records at a time and
// forgets them when anything is written, so its cost does not depend on the size of the file.

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "records/store/store.h"

namespace pramo {

class Cursor {
public:
    Cursor(Store& store, const KeyDef& key);
    Cursor(Store& store, const TableDef& physical);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    const TableDef& table() const { return *table_; }
    const KeyDef* key() const { return key_; }

    // Before the first record; reading previous from here gives the last.
    void set();
    // At the first record whose key is at or after the buffer's key values (next), or at the last
    // at or before them (previous).
    void setFrom(const void* rec);
    // The typed forms take a declared record; a pointer always goes to the untyped forms.
    template <Record R>
    void setFrom(const R& rec) { setFrom(static_cast<const void*>(&rec)); }
    // At a remembered record: next and previous both start with it (or its nearest neighbour).
    void resetTo(const Position& p);

    StoreCode next(void* rec);
    StoreCode previous(void* rec);
    template <Record R>
    StoreCode next(R& rec) { return next(static_cast<void*>(&rec)); }
    template <Record R>
    StoreCode previous(R& rec) { return previous(static_cast<void*>(&rec)); }

    // The position of the record read last.
    Position position() const;
    // How many records to read ahead at first (it doubles up to 128 while reading on).
    void setReadAhead(int n) { firstBatch_ = n < 1 ? 1 : n; }

private:
    enum class Anchor { Open, Inclusive, Exclusive };
    struct Buffered;
    StoreCode read(bool forward, void* rec);
    StoreCode fetch(bool forward);
    void forget();

    Store& store_;
    const TableDef* table_;
    const KeyDef* key_;
    Anchor anchor_ = Anchor::Open;
    std::string sortValue_;  // the anchor in the key's order
    std::int64_t id_ = 0;
    // The records read ahead, kept from batch to batch so that a row costs no allocation: those
    // from head_ to filled_ are still to be given.
    std::vector<std::unique_ptr<Buffered>> ahead_;
    std::size_t head_ = 0, filled_ = 0;
    bool aheadForward_ = true;
    bool aheadExhausted_ = false;
    std::uint64_t aheadWrites_ = 0;
    int firstBatch_ = 4;
    int batch_ = 4;
};

}  // namespace pramo
