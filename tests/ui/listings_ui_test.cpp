#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "preview/ui/full_preview.h"
#include "preview/ui/simple_preview.h"
#include "records/layouts/opcine.h"
#include "preview/ui/run_report.h"
#include "preview/ui/progress_window.h"
#include "reports/opcine_ispis.h"
#include "shell/app_context.h"
#include "preview_test_support.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

class ListingsUi : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok); }
    void addOpcine(int n) {
        FileUse use(files, {&Opcine::table});
        for (int i = 0; i < n; ++i) {
            Opcine opc;
            opc.naziv = "Općina " + std::to_string(i);
            ASSERT_EQ(store.add(opc), StoreCode::Ok);
        }
    }
    bool run(PreviewKind kind = PreviewKind::Simple) {
        ReportSpec spec = opcineIspisReport;
        spec.preview = kind;
        return startReport(spec, {}, ctx, host, nullptr);
    }

    test::TempDir dir;
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
    Integrity ri{files};
    Globals glo;
    FixedClock clock{Date{}};
    AppContext ctx{store, files, ri, messages, glo, clock, dir.path().string()};
    test::ScriptedHost host;
};

TEST_F(ListingsUi, NothingToPrintShowsNothing) {
    bool opened = false;
    QTimer::singleShot(0, [&] { opened = test::windowOnTop<QWidget>() != nullptr; });
    EXPECT_FALSE(run());
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListingsUi, CancelInTheProgressWindowEndsWithoutPreview) {
    addOpcine(3);
    bool previewOpened = false;
    test::whenModalOpens<ProgressWindow>([&](ProgressWindow* w) {
        EXPECT_EQ(w->windowTitle(), "Generating Report");
        w->findChild<QPushButton*>("cancel")->click();
        QTimer::singleShot(0, [&] { previewOpened = test::windowOnTop<SimplePreview>(); });
    });
    EXPECT_FALSE(run());
    EXPECT_FALSE(previewOpened);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListingsUi, PreviewThenPrintWithoutPrinterGivesPdf) {
    addOpcine(2);
    const QString pdf = QString::fromStdString(dir.file("opcine.pdf"));
    host.fileNames << pdf;
    test::whenModalOpens<SimplePreview>([](SimplePreview* p) {
        EXPECT_EQ(p->pages().count(), 1);
        EXPECT_FALSE(p->pageEntry()->isEnabled());
        for (QAction* a : p->findChildren<QAction*>()) {
            if (a->objectName() == "print") a->trigger();
        }
    });
    EXPECT_TRUE(run());
    const QStringList pages = test::pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Report the opcine File"));
    EXPECT_TRUE(pages[0].contains("Općina 1"));
}

TEST_F(ListingsUi, LongerReportInTheFullPreview) {
    addOpcine(90);
    test::whenModalOpens<FullPreview>([](FullPreview* p) {
        EXPECT_EQ(p->windowTitle(), "Report the opcine File");
        EXPECT_EQ(p->pages().count(), 2);
        p->command("exit")->trigger();
    });
    EXPECT_FALSE(run(PreviewKind::Full));
}

TEST_F(ListingsUi, AFailedRunShowsTheRetrievalWarning) {
    const ReportSpec failing{.title = QStringLiteral("x"), .run = [](ReportContext&, Progress&) {
        return ReportResult{RunEnd::Failed, {}, StoreCode::FileNotOpen, "OPCINE"};
    }};
    EXPECT_FALSE(startReport(failing, {}, ctx, host, nullptr));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].warningId, static_cast<int>(Warning::RetrievalError));
    EXPECT_NE(messages.shown[0].text.find("OPCINE"), std::string::npos);
}

TEST(ProgressWindow, ShowsTheShareDoneAndCancels) {
    ProgressWindow w;
    w.start(4);
    EXPECT_TRUE(w.isVisible());
    QTest::qWait(60);
    EXPECT_TRUE(w.advance(1));
    EXPECT_EQ(w.findChild<QProgressBar*>()->value(), 25);
    QTest::mouseClick(w.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    EXPECT_FALSE(w.advance(2));
    w.finish();
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace pramo
