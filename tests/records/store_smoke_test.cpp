#include <gtest/gtest.h>

#include "records/files.h"
#include "records/osobe.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

TEST(StoreSmoke, AddGetWalk) {
    test::TempDir dir;
    Store st;
    ASSERT_EQ(st.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
    test::ScriptedMessages msgs;
    Files files(st, msgs);
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    for (const char* name : {"Horvat", "Čolak", "Babić", "Cindrić", "ćosić"}) {
        Osobe o;
        o.prezime = name;
        ASSERT_EQ(st.add(o), StoreCode::Ok);
    }
    Osobe o;
    st.set(Osobe::keyPrezimeIme);
    std::string order;
    while (ok(st.next(o))) order += o.prezime.str() + ",";
    EXPECT_EQ(order, "Babić,Cindrić,Čolak,ćosić,Horvat,");
}

}  // namespace
}  // namespace pramo
