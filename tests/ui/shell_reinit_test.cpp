#include <QMessageBox>
#include <QTest>

#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
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
                                  &Osobe::table, &Subjekti::table});
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
        for (StoreCode c : {store().add(sub), store().add(oso), store().add(isp), store().add(doh),
                            store().add(obr), store().add(sva)})
            ASSERT_EQ(c, StoreCode::Ok);
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : messages.shown) out.push_back(b.text);
        return out;
    }
    // Records left in OBRACUN, DOHOCI, ISPLATE, SVASTA, and in the payees and payers.
    std::vector<std::int64_t> counts() {
        return {count(Obracun::table), count(Dohoci::table), count(Isplate::table), count(Svasta::table),
                count(Osobe::table), count(Subjekti::table)};
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
        EXPECT_EQ(counts(), (std::vector<std::int64_t>{1, 1, 1, 1, 1, 1}));
    }
}

TEST_F(Reinit, BothDaEraseThePaymentsAndKeepTheRegisters) {
    messages.answers = {da, da};
    const ReinitOutcome out = reinitialise(ctx().files, messages);
    EXPECT_TRUE(out.confirmed);
    EXPECT_TRUE(out.notErased.empty());
    EXPECT_EQ(texts(), (std::vector<std::string>{firstQuestion, secondQuestion, "ISPLATE SU IZBRISANE"}));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].title, "Inicijalizacija podataka");
    EXPECT_EQ(messages.shown[0].named, (std::vector<std::string>{"DA", "NE"}));
    EXPECT_EQ(messages.shown[1].title, "Potvrda brisanja");
    EXPECT_EQ(messages.shown[1].named, (std::vector<std::string>{"DA", "NE"}));
    EXPECT_EQ(counts(), (std::vector<std::int64_t>{0, 0, 0, 0, 1, 1}));
}

// A file in use by an open screen cannot be erased: that is said, the other files are erased,
// and the last message names what was not erased instead of claiming success.
TEST_F(Reinit, AFileInUseIsReportedAndNamedAtTheEnd) {
    const FileUse inUse(ctx().files, {&Dohoci::table, &Svasta::table});
    messages.answers = {da, da};
    const ReinitOutcome out = reinitialise(ctx().files, messages);
    EXPECT_EQ(out.notErased, (std::vector<std::string>{"DOHOCI", "SVASTA"}));
    EXPECT_EQ(texts(), (std::vector<std::string>{firstQuestion, secondQuestion,
                                                  "GREŠKA KOD BRISANJA FILE-A DOHOCI Datoteka je već otvorena",
                                                  "GREŠKA KOD BRISANJA FILE-A SVASTA Datoteka je već otvorena",
                                                  "ISPLATE NISU IZBRISANE U CIJELOSTI. NISU IZBRISANI: DOHOCI, SVASTA"}));
    EXPECT_EQ(counts(), (std::vector<std::int64_t>{0, 1, 0, 1, 1, 1}));
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
    Files files(store, messages);
    messages.answers = {da, da};
    EXPECT_TRUE(reinitialise(files, messages).notErased.empty());
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].text, "ISPLATE SU IZBRISANE");
}

}  // namespace
}  // namespace pramo
