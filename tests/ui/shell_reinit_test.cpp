#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include "payments/payment_dates.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/obracun.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "shell/desktop/message_boxes.h"
#include "shell/desktop/reinit.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

constexpr int da = 1, ne = 2;
const std::string firstQuestion = "ŽELITE LI STVARNO IZBRISATI SVE ISPLATE?";
const std::string secondQuestion = "JESTE LI SIGURNI?";

class Reinit : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        FileUse use(ctx().files, {&Isplate::table, &Dohoci::table, &Obracun::table, &Svasta::table,
                                  &Osobe::table, &Subjekti::table, &Jopo::table});
        ASSERT_TRUE(use.ok());
        Subjekti sub;
        sub.oznaka = 1;
        Osobe oso;
        oso.oznaka = 1;
        Isplate isp;
        isp.oznaka = 1;
        Dohoci doh;
        doh.oznaka = 1;
        Obracun obr;
        obr.dohodak = 1;
        Svasta sva;
        sva.dohodak = 1;
        Jopo jopo;
        jopo.oznaka = 1;
        jopo.isplata = 1;
        jopo.ujed = "0b8d3c21-5f7e-4a7a-9f3e-2d1c6b5a4e3f";
        for (StoreCode c : {store().add(sub), store().add(oso), store().add(isp), store().add(doh),
                            store().add(obr), store().add(sva), store().add(jopo)})
            ASSERT_EQ(c, StoreCode::Ok);
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : messages.shown) out.push_back(b.text);
        return out;
    }
    // Records left in OBRACUN, DOHOCI, ISPLATE, SVASTA, JOPO, and in the payees and payers.
    std::vector<std::int64_t> counts() {
        return {count(Obracun::table), count(Dohoci::table), count(Isplate::table), count(Svasta::table),
                count(Jopo::table), count(Osobe::table), count(Subjekti::table)};
    }
};

TEST_F(Reinit, AnsweringNeErasesNothing) {
    struct Case {
        std::deque<int> answers;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{ne}, {firstQuestion, "PODACI NISU BRISANI"}},
        {{da, ne}, {firstQuestion, secondQuestion, "PODACI NISU BRISANI"}},
        {{0}, {firstQuestion, "PODACI NISU BRISANI"}},  // the box closed without an answer
        {{}, {firstQuestion, "PODACI NISU BRISANI"}},   // Enter: each question's default
        {{da}, {firstQuestion, secondQuestion, "PODACI NISU BRISANI"}},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        messages.answers = c.answers;
        EXPECT_FALSE(reinitialise(ctx().files, messages).confirmed);
        EXPECT_EQ(texts(), c.texts);
        EXPECT_EQ(counts(), (std::vector<std::int64_t>{1, 1, 1, 1, 1, 1, 1}));
    }
}

// The JOPPD submissions go with the payments: numbering starts again at 1, and the next
// payment 1 must not find the submission of the old one.
TEST_F(Reinit, BothDaEraseThePaymentsWithEverythingThatRefersToThemAndKeepTheRegisters) {
    messages.answers = {da, da};
    const ReinitOutcome out = reinitialise(ctx().files, messages);
    EXPECT_TRUE(out.confirmed);
    EXPECT_TRUE(out.erased);
    EXPECT_EQ(texts(), (std::vector<std::string>{firstQuestion, secondQuestion, "ISPLATE SU IZBRISANE"}));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].title, "Inicijalizacija podataka");
    EXPECT_EQ(messages.shown[0].named, (std::vector<std::string>{"DA", "NE"}));
    EXPECT_EQ(messages.shown[1].title, "Potvrda brisanja");
    EXPECT_EQ(messages.shown[1].named, (std::vector<std::string>{"DA", "NE"}));
    EXPECT_EQ(counts(), (std::vector<std::int64_t>{0, 0, 0, 0, 0, 1, 1}));
    FileUse use(ctx().files, {&Isplate::table, &Jopo::table});
    std::int32_t next = 0;
    ASSERT_EQ(nextPaymentNumber(store(), next), StoreCode::Ok);
    EXPECT_EQ(next, 1);
}

// Another program with the database open: the sqlite3 tool, after one query, waiting for the next.
class OtherProgram {
public:
    explicit OtherProgram(const std::string& db) {
        tool_.start("sqlite3", {QString::fromStdString(db)});
        EXPECT_TRUE(tool_.waitForStarted());
        tool_.write("SELECT count(*) FROM ISPLATE;\n");
        EXPECT_TRUE(tool_.waitForReadyRead());
    }
    ~OtherProgram() {
        tool_.closeWriteChannel();
        tool_.waitForFinished();
    }
    qint64 pid() const { return tool_.processId(); }

private:
    QProcess tool_;
};

// A file open in a screen here, or the database open in another program: nothing is erased, and
// the message names every file that stopped it and why.
TEST_F(Reinit, NothingIsErasedWhileAFileIsInUse) {
    const std::string file = "GREŠKA KOD BRISANJA FILE-A ";
    struct Case {
        const char* name;
        std::function<std::vector<std::string>()> hold;  // holds the files, answers the lines expected
    };
    std::optional<FileUse> inUse;
    std::optional<OtherProgram> other;
    const Case cases[] = {
        {"screens here", [&] {
             inUse.emplace(ctx().files, std::initializer_list<const TableDef*>{&Dohoci::table, &Jopo::table});
             return std::vector<std::string>{file + "DOHOCI Datoteka je već otvorena", file + "JOPO Datoteka je već otvorena"};
         }},
        {"another program", [&] {
             other.emplace(dir.file("pramo.db"));
             const std::string by = " Datoteka je zaključana (drži je sqlite3, proces " + std::to_string(other->pid()) + ")";
             return std::vector<std::string>{file + "ISPLATE" + by, file + "DOHOCI" + by, file + "JOPO" + by,
                                             file + "OBRACUN" + by, file + "SVASTA" + by};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        const std::vector<std::string> refused = c.hold();
        std::string lines;
        for (const auto& l : refused) lines += (lines.empty() ? "" : "\n") + l;
        messages.answers = {da, da};
        const ReinitOutcome out = reinitialise(ctx().files, messages);
        EXPECT_FALSE(out.erased);
        EXPECT_EQ(out.refused, refused);
        EXPECT_EQ(texts(), (std::vector<std::string>{firstQuestion, secondQuestion, lines, "PODACI NISU BRISANI"}));
        EXPECT_EQ(counts(), (std::vector<std::int64_t>{1, 1, 1, 1, 1, 1, 1}));
        inUse.reset();
        other.reset();
    }
}

// On screen, Enter on either question answers "NE".
TEST(ReinitOnScreen, EnterAnswersNe) {
    for (const char* title : {"Inicijalizacija podataka", "Potvrda brisanja"}) {
        const auto box = makeMessageBox(destroyingQuestion(title, "?"), nullptr);
        QTimer::singleShot(0, box.get(), [&box] { QTest::keyClick(box.get(), Qt::Key_Return); });
        box->exec();
        EXPECT_EQ(answerOf(*box), ne) << title;
    }
}

// Files never created hold nothing to erase.
TEST(ReinitFresh, FilesNeverCreatedCountAsErased) {
    test::TempDir dir;
    Store store;
    ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
    test::ScriptedMessages messages;
    Files files(store);
    messages.answers = {da, da};
    EXPECT_TRUE(reinitialise(files, messages).erased);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].text, "ISPLATE SU IZBRISANE");
}

}  // namespace
}  // namespace pramo
