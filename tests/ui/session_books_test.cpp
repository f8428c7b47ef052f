// The desktop program's books: the data directory's pramo.db, the server its pramo.conf names, or
// the server of --database, the documents staying in the directory; a pramo.conf it cannot read
// ends the start with a message naming the file and line.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "shell/desktop/session.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/test_books.h"

namespace pramo {
namespace {

TEST(SessionBooks, TheDirectoryOrItsPramoConfOrTheCommandLineNamesThem) {
    struct Case {
        const char* conf;      // pramo.conf's text; null: none
        bool given;            // the server given as --database
        bool onServer;         // the case needs the test server
        std::string described; // the start of describe(); empty: the start ends with `said`
        std::string said = {};
    } const cases[] = {
        {nullptr, false, false, "SQLite: "},
        {"# ured\ndatabase = SERVER\n", false, true, "PostgreSQL: "},
        {nullptr, true, true, "PostgreSQL: "},
        {"baza = x\n", true, true, "PostgreSQL: "},  // the command line is not read from the file
        {"baza = x\n", false, false, "", "pramo.conf, redak 1: neočekivan redak"},
    };
    for (const Case& c : cases) {
        std::optional<test::FreshDatabase> server;
        if (c.onServer && server.emplace().uri().empty()) continue;  // no test server
        const std::string uri = server ? server->uri() : std::string();
        test::TempDir dir;
        if (c.conf) {
            std::string text = c.conf;
            if (const auto at = text.find("SERVER"); at != std::string::npos) text.replace(at, 6, uri);
            std::ofstream(dir.file("pramo.conf")) << text;
        }
        test::ScriptedMessages messages;
        const FixedClock clock{*Date::fromYmd(2026, 12, 8)};
        Session session(messages, clock, dir.path().string(), {}, c.given ? uri : std::string());
        const bool started = session.start();
        EXPECT_EQ(started, c.said.empty()) << c.conf;
        if (started) {
            EXPECT_TRUE(session.context().store.describe().starts_with(c.described)) << session.context().store.describe();
            EXPECT_EQ(std::filesystem::exists(dir.file("pramo.db")), !c.onServer) << c.conf;
        } else {
            ASSERT_FALSE(messages.halts.empty());
            EXPECT_NE(messages.halts.back().find(c.said), std::string::npos) << messages.halts.back();
        }
        session.context().store.closeDatabase();  // before its database is dropped
    }
}

}  // namespace
}  // namespace pramo
