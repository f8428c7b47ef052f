#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "records/layouts/id1.h"
#include "records/layouts/subjekti.h"
#include "reports/ui/id1_screens.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class Id1Screens : public test::ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        for (const TableDef* t : {&Id1::table, &Subjekti::table}) ASSERT_EQ(ctx().files.open(*t), StoreCode::Ok);
        Subjekti sub{.oznaka = 7, .tip = "P", .naziv = "Pramo d.o.o.", .oib = "12345678903"};
        ASSERT_EQ(store().add(sub), StoreCode::Ok);
    }
    std::optional<Id1> header(std::int32_t oznaka) {
        Id1 h{.oznaka = oznaka};
        if (!ok(store().get(Id1::keyOznaka, h))) return std::nullopt;
        return h;
    }
    static void grab(QWidget* w, const char* name) {
        if (const char* dir = getenv("PRAMO_SHOTS")) w->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
};

// A new header starts as not cancelled, for last year, with the last contact person; the payer is
// chosen from the payers; OK keeps the contact person for the next new header.
TEST_F(Id1Screens, NewHeaderFromTheLastContactAndBackIntoIt) {
    ctx().glo.konime = "Marija";
    ctx().glo.konprezime = "Šimunović";
    ctx().glo.konpoz1 = 1;
    ctx().glo.kontel1 = "4567890";
    ListPanel& list = open(pregledId1Obrazaca);
    FormScreen* form = nullptr;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        form = &formOf(modal);
        grab(modal, "upis_id1");
        EXPECT_EQ(entry(*form, "OZNAKA")->text(), "1");
        EXPECT_EQ(entry(*form, "GODINA")->text(), "2014");
        EXPECT_EQ(entry(*form, "KONPREZIME")->text(), "Šimunović");
        EXPECT_EQ(entry(*form, "KONTEL1")->text(), "4567890");
        EXPECT_TRUE(test::buttonNamed(modal, "NE")->isChecked());
        QTimer::singleShot(0, form, [form] { form->openLookup("ISPLATITELJ"); });
    });
    steps.then([&](QWidget* payers) {
        QTimer::singleShot(0, form, [form] {
            retype(entry(*form, "KONIME"), "Ivo");
            form->okButton()->click();
        });
        test::buttonNamed(payers, "Odaberi")->click();
    });
    list.button(ListButton::Insert)->click();
    EXPECT_TRUE(steps.allDone());
    const auto h = header(1);
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->isplatitelj, 7);
    EXPECT_EQ(h->storno, "false");
    EXPECT_EQ(h->konime, "Ivo");
    EXPECT_EQ(ctx().glo.konime, "Ivo");
    EXPECT_EQ(ctx().glo.kontel1, "4567890");
    EXPECT_EQ(column(list, 0), std::vector<std::string>{"Pramo d.o.o."});
    grab(screen.get(), "pregled_id1");
}

// "FORMIRAJ DATOTEKU" writes the return of the highlighted header into the data directory and
// says where, whole; a file that cannot be written is told, and nothing changes.
TEST_F(Id1Screens, XmlFileOfTheHighlightedHeader) {
    Id1 h{.oznaka = 1, .isplatitelj = 7, .storno = "false", .godina = "2014", .konime = "Ivo"};
    ASSERT_EQ(store().add(h), StoreCode::Ok);
    ListPanel& list = open(pregledId1Obrazaca);
    const std::filesystem::path file = dir.path() / "ID-1_12345678903_01.xml";
    test::buttonNamed(screen.get(), "FORMIRAJ DATOTEKU")->click();
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "XML datoteka kreirana\n" + file.string());
    messages.shown.clear();
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    test::buttonNamed(screen.get(), "FORMIRAJ DATOTEKU")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("ID-1_12345678903_01.xml"), std::string::npos) << messages.shown[0].text;
    EXPECT_TRUE(std::filesystem::is_directory(file));
    (void)list;
}

}  // namespace
}  // namespace pramo
