#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "shell/desktop/message_boxes.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

// What a user sees in a box: title, text, icon, buttons left to right and the default one.
struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

Seen look(QMessageBox* box) {
    Seen s{box->windowTitle(), box->text(), box->icon(), {}, {}};
    auto buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    for (auto* b : buttons) s.buttons << b->text().remove('&');
    if (box->defaultButton()) s.defaultButton = box->defaultButton()->text().remove('&');
    return s;
}

// Shows `box` through the program's message boxes; `act` answers it as the user.
std::pair<int, Seen> show(const MessageBox& box, std::function<void(QMessageBox*)> act) {
    QtMessages messages([](int) { FAIL() << "the program must not end here"; });
    Seen seen;
    test::ModalSteps steps;
    steps.then([&](QWidget* w) {
        auto* q = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(q, nullptr);
        seen = look(q);
        act(q);
    });
    const int answer = messages.ask(box);
    EXPECT_TRUE(steps.allDone());
    return {answer, seen};
}

std::function<void(QMessageBox*)> click(const char* text) {
    return [text](QMessageBox* q) {
        QAbstractButton* b = test::buttonNamed(q, text);
        ASSERT_NE(b, nullptr) << text;
        QTest::mouseClick(b, Qt::LeftButton);
    };
}

std::function<void(QMessageBox*)> press(Qt::Key key) {
    return [key](QMessageBox* q) { QTest::keyClick(q, key); };
}

TEST(MessageBoxes, StandardWarningsShowTheirButtonsAndAnswer) {
    struct Case {
        Warning id;
        QString title;
        QMessageBox::Icon icon;
        QStringList buttons;
        QString defaultButton;
        std::function<void(QMessageBox*)> act;
        int answer;
    };
    const StoreError error{StoreCode::DuplicateKey, "Creating Duplicate Key", 0, {}};
    const Case cases[] = {
        {Warning::InvalidKey, "Invalid Key", QMessageBox::Question, {"Da", "Ne"}, "Da", click("Ne"), ButtonNo},
        {Warning::ChangeRetry, "Record Update Error", QMessageBox::Warning, {"Da", "Ne", "Odustani"}, "Odustani",
         click("Da"), ButtonYes},
        {Warning::DeleteRetry, "Record Update Error", QMessageBox::Warning, {"Da", "Ne", "Odustani"}, "Odustani",
         press(Qt::Key_Return), ButtonCancel},
        {Warning::AutoIncrementError, "Auto Increment Error", QMessageBox::Warning, {"Pokušaj ponovo", "Odustani"},
         "Odustani", click("Pokušaj ponovo"), ButtonRetry},
        {Warning::ConfirmDelete, "Potvrda brisanja", QMessageBox::Question, {"OK", "Odustani"}, "Odustani", click("OK"),
         ButtonOk},
        {Warning::ConfirmDelete, "Potvrda brisanja", QMessageBox::Question, {"OK", "Odustani"}, "Odustani",
         press(Qt::Key_Escape), ButtonCancel},
        {Warning::DuplicateKey, "Greška dupliciranja", QMessageBox::Warning, {"OK"}, "OK", press(Qt::Key_Return),
         ButtonOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.id));
        const MessageBox box = standardWarning(c.id, error, "PAR:KeyOznaka");
        const auto [answer, seen] = show(box, c.act);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.text, QString::fromStdString(box.text));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.defaultButton, c.defaultButton);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST(MessageBoxes, DuplicateKeyTextNamesTheKeyWithoutASpace) {
    const auto [answer, seen] = show(standardWarning(Warning::DuplicateKey, {}, "OSO:KeyOIB"), click("OK"));
    EXPECT_EQ(seen.text, QString::fromUtf8("Već postoji slog sa ovom vrijednosti za ključ:OSO:KeyOIB"));
    EXPECT_EQ(answer, ButtonOk);
}

TEST(MessageBoxes, NamedButtonsAnswerTheirOrdinal) {
    struct Case {
        std::function<void(QMessageBox*)> act;
        int answer;
    };
    const Case cases[] = {{click("DA"), 1}, {click("NE"), 2}, {press(Qt::Key_Return), 1}, {press(Qt::Key_Escape), 2}};
    for (const Case& c : cases) {
        const auto [answer, seen] = show(namedBox("Potvrda brisanja", "JESTE LI SIGURNI?", "DA|NE"), c.act);
        EXPECT_EQ(seen.title, "Potvrda brisanja");
        EXPECT_EQ(seen.text, "JESTE LI SIGURNI?");
        EXPECT_EQ(seen.buttons, (QStringList{"DA", "NE"}));
        EXPECT_EQ(seen.defaultButton, "DA");
        EXPECT_EQ(answer, c.answer);
    }
}

// Warnings that end the program show their box, then the last message, and only then end it.
TEST(MessageBoxes, TheProgramEndsAfterTheLastMessage) {
    struct Case {
        Warning id;
        std::function<void(QMessageBox*)> act;
        QString lastMessage;  // empty: the program goes on
    };
    const Case cases[] = {
        {Warning::FileInvalid, click("OK"), "Datoteka ne valja!"},
        {Warning::InvalidKey, click("Ne"), "Invalid Key!"},
        {Warning::InvalidKey, click("Da"), ""},
        {Warning::KeyRebuildError, click("OK"), "Error Rebuilding Key!"},
        {Warning::FileCreationError, click("OK"), "File Creation Error!"},
        {Warning::CreatedFileOpenError, click("OK"), "File Creation Error!"},
        {Warning::FileOpenError, click("OK"), "Disk Error"},
        {Warning::RetrievalError, click("OK"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.id));
        QStringList events;
        QtMessages messages([&](int code) { events << QString("exit %1").arg(code == 0 ? 0 : 1); });
        test::ModalSteps steps;
        steps.then([&](QWidget* w) {
            events << w->windowTitle();
            c.act(qobject_cast<QMessageBox*>(w));
        });
        if (!c.lastMessage.isEmpty()) {
            steps.then([&](QWidget* w) {
                auto* q = qobject_cast<QMessageBox*>(w);
                events << q->text();
                EXPECT_EQ(q->icon(), QMessageBox::Critical);
                QTest::mouseClick(q->buttons().front(), Qt::LeftButton);
            });
        }
        Store store;  // no database: the warnings show whatever error there is
        showWarning(messages, store, c.id, "OSOBE");
        const QString title = QString::fromStdString(standardWarning(c.id, {}).title);
        if (c.lastMessage.isEmpty()) EXPECT_EQ(events, QStringList{title});
        else EXPECT_EQ(events, (QStringList{title, c.lastMessage, "exit 1"}));
    }
}

// Without an exit function of its own the program really ends, with a failure code.
TEST(MessageBoxesDeathTest, HaltEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QtMessages messages;
            test::ModalSteps steps;
            steps.then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
            messages.halt("Disk Error");
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace pramo
