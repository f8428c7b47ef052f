#pragma once
// A fresh data directory with every file open, for store tests.

#include <gtest/gtest.h>

#include "records/layouts/all_tables.h"
#include "records/store/files.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo::test {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        for (const TableDef* t : allTables()) ASSERT_EQ(files.open(*t), StoreCode::Ok);
    }

    template <class R> std::vector<R> walk(const KeyDef& key) {
        std::vector<R> out;
        R r;
        store.set(key);
        while (ok(store.next(r))) out.push_back(r);
        return out;
    }

    TempDir dir;
    Store store;
    ScriptedMessages messages;
    Files files{store};
};

}  // namespace pramo::test
