#pragma once
// A fresh data directory with its store open, scripted message boxes and the file open counts:
// what most tests start from.

#include <gtest/gtest.h>

#include "records/store/files.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo::test {

struct TestData {
    TestData() { EXPECT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok); }

    TempDir dir;
    Store store;
    ScriptedMessages messages;
    Files files{store};
};

}  // namespace pramo::test
