#pragma once
// A fresh data directory with its store open, scripted message boxes and the file open counts:
// what most tests start from. The books are a database file in the directory, or a fresh database
// on the test server (nothing is opened when there is none: the test skips).

#include <gtest/gtest.h>

#include "records/store/files.h"
#include "support/scripted_messages.h"
#include "support/test_books.h"

namespace pramo::test {

struct TestData {
    explicit TestData(Engine engine = Engine::Sqlite) : books(engine) {
        if (books.available()) {
            EXPECT_EQ(store.openDatabase(books.where()), StoreCode::Ok);
        }
    }

    TestBooks books;
    const TempDir& dir = books.dir();
    Store store;
    ScriptedMessages messages;
    Files files{store};
};

}  // namespace pramo::test
