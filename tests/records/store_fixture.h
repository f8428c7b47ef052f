#pragma once
// Fresh books with every file open, for store tests: each test runs once on a database file and
// once on a server's database.

#include <gtest/gtest.h>

#include "records/layouts/all_tables.h"
#include "records/store/files.h"
#include "support/scripted_messages.h"
#include "support/test_books.h"

namespace pramo::test {

class StoreTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        if (!books.available()) GTEST_SKIP() << "no PostgreSQL test server";
        ASSERT_EQ(store.openDatabase(books.where()), StoreCode::Ok);
        for (const TableDef* t : allTables()) ASSERT_EQ(files.open(*t), StoreCode::Ok);
    }

    template <class R> std::vector<R> walk(const KeyDef& key) {
        std::vector<R> out;
        R r;
        store.set(key);
        while (ok(store.next(r))) out.push_back(r);
        return out;
    }

    TestBooks books{GetParam()};
    Store store;
    ScriptedMessages messages;
    Files files{store};
};

}  // namespace pramo::test
