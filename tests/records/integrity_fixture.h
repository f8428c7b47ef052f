#pragma once
// What the integrity tests share: a program session over one data directory, small builders of
// registers and payments, counting, and a second station in a child process.

#include <gtest/gtest.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "records/layouts/all_tables.h"
#include "records/layouts/banke.h"
#include "records/store/cursor.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "records/layouts/integrity.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/param.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "records/layouts/ulice.h"
#include "records/layouts/uplatnirn.h"
#include "records/layouts/vrstedoh.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/test_books.h"

namespace pramo::test {

// Integrity as a screen runs it: what an operation answers is shown.
struct ShownIntegrity {
    Integrity& ri;
    Messages& messages;
    template <class R> RiResult update(R& rec) { return shown(messages, ri.update(rec)); }
    template <class R> RiResult remove(R& rec) { return shown(messages, ri.remove(rec)); }
    template <class R> void snap(const R& rec) { ri.snap(rec); }
};

// One running program: its store, message boxes, open files and integrity.
struct Session {
    explicit Session(const std::string& where);  // nothing is opened when `where` is empty
    Store store;
    ScriptedMessages messages;
    Files files{store};
    Integrity integrity{files};
    ShownIntegrity ri{integrity, messages};

    // Opens every file of the program once (creating it), as screens would have.
    void openAll();
    template <class R> void add(R rec) { addRaw(R::table, &rec); }
    void addRaw(const TableDef& t, void* rec);
    template <class R> R get(const KeyDef& key, R rec) {
        getRaw(key, &rec);
        return rec;
    }
    void getRaw(const KeyDef& key, void* rec);
    std::int64_t count(const TableDef& t);
    // How many records of the child file of `key` carry `value` in the key's first field.
    std::int64_t countWith(const KeyDef& key, std::int64_t value);
};

// A payment with its items, each with `lines` calculation lines and one slot, and `submissions`
// JOPPD submissions. Item numbers run from firstItem; all in one transaction.
struct PaymentShape {
    std::int32_t isplata;
    std::int32_t payer;
    std::int32_t firstItem;
    int items;
    int lines = 12;
    int submissions = 1;
    std::int32_t payee = 1;
    std::uint8_t type = 21;
};
void addPayment(Session& s, const PaymentShape& p);
// One item of such a payment with its lines and slot.
void addItem(Session& s, const PaymentShape& p, std::int32_t item, int ordinal);

// A payer with its place, street, bank, municipality and one payee in that place; an income type.
void addRegisters(Session& s);

// The text of the last box shown, with its warning number.
std::string lastBox(const Session& s);

// Where the integrity tests start: a session over fresh books with every file open and the
// registers of addRegisters, once on a database file and once on a server's database.
class IntegrityTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        if (!books.available()) GTEST_SKIP() << "no PostgreSQL test server";
        s.openAll();
        addRegisters(s);
    }
    // The record numbered `number`, read by its number key.
    template <class R> R read(std::int64_t number) {
        R rec;
        R::table.fields.front().setInt(&rec, number);
        return s.get(R::table.primaryKey(), rec);
    }

    TestBooks books{GetParam()};
    Session s{books.where()};
};

// A second station: a child process that runs `body` and ends with its answer as exit status. The
// child may not touch the parent's store; it opens its own. Pipes carry one-byte signals both ways.
class OtherStation {
public:
    using Body = std::function<int(OtherStation&)>;
    explicit OtherStation(Body body);
    ~OtherStation();
    OtherStation(const OtherStation&) = delete;
    OtherStation& operator=(const OtherStation&) = delete;

    void tellChild();    // parent: one signal to the child
    bool hearChild();    // parent: waits for one signal from the child
    void tellParent();   // child: one signal to the parent
    bool hearParent();   // child: waits for one signal from the parent
    int wait();          // parent: the child's exit status (-1 when it was killed)
    void kill();         // parent: SIGKILL
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int toChild_[2] = {-1, -1};
    int toParent_[2] = {-1, -1};
    bool reaped_ = false;
};

}  // namespace pramo::test
