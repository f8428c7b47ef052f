#include <QAction>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "preview/ui/preview_area.h"
#include "preview/ui/simple_preview.h"
#include "preview_test_support.h"

namespace pramo {
namespace {

QAction* actionNamed(QWidget& w, const QString& text) {
    for (QAction* a : w.findChildren<QAction*>()) {
        if (a->text() == text || a->objectName() == text) return a;
    }
    return nullptr;
}

TEST(SimplePreview, OnePageReportHasItsPageEntriesDisabled) {
    test::ScriptedHost host;
    SimplePreview preview(PageList(test::samplePages(1)), host);
    EXPECT_EQ(preview.windowTitle(), "Preview ispisa");
    EXPECT_FALSE(preview.pageEntry()->isEnabled());
    EXPECT_FALSE(preview.acrossEntry()->isEnabled());
    EXPECT_FALSE(preview.downEntry()->isEnabled());
    EXPECT_EQ(preview.pageEntry()->toolTip(), "Unesi br. strane od 1 do 1 (Alt+S)");
    EXPECT_EQ(preview.response(), Response::Cancelled);
}

TEST(SimplePreview, PrintOrExitIsTheAnswer) {
    test::ScriptedHost host;
    SimplePreview printing(PageList(test::samplePages(2)), host);
    actionNamed(printing, "&Print")->trigger();
    EXPECT_EQ(printing.response(), Response::Completed);
    EXPECT_EQ(printing.result(), QDialog::Accepted);
    SimplePreview leaving(PageList(test::samplePages(2)), host);
    leaving.show();
    actionNamed(leaving, "exit")->trigger();
    EXPECT_EQ(leaving.response(), Response::Cancelled);
    EXPECT_FALSE(leaving.isVisible());
    EXPECT_EQ(actionNamed(leaving, "exit")->toolTip(), "Izađi van bez ispisa (Esc)");
    EXPECT_EQ(actionNamed(leaving, "print")->toolTip(), "Ispiši (Ctrl+P)");
    EXPECT_EQ(actionNamed(leaving, "&Izlaz")->statusTip(), "Exit without printing the report");
}

TEST(SimplePreview, MovingThroughPagesAndTheGrid) {
    test::ScriptedHost host;
    SimplePreview preview(PageList(test::samplePages(9)), host);
    preview.show();
    QApplication::setActiveWindow(&preview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    EXPECT_EQ(preview.pageEntry()->toolTip(), "Unesi br. strane od 1 do 9 (Alt+S)");
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(preview.current(), 2);
    QTest::keyClick(&preview, Qt::Key_PageUp);
    QTest::keyClick(&preview, Qt::Key_PageUp);
    EXPECT_EQ(preview.current(), 1);
    preview.acrossEntry()->setValue(2);
    preview.downEntry()->setValue(2);
    EXPECT_EQ(preview.shown(), 4);
    actionNamed(preview, "&Slijedeca(e) str.")->trigger();
    actionNamed(preview, "&Slijedeca(e) str.")->trigger();
    EXPECT_EQ(preview.current(), 9);  // 1 -> 5 -> 9
    actionNamed(preview, "&Slijedeca(e) str.")->trigger();
    EXPECT_EQ(preview.current(), 9);  // no page beyond 9
    preview.pageEntry()->setValue(3);
    EXPECT_EQ(preview.current(), 3);
}

TEST(SimplePreview, ThumbnailClickZoomsAndPageClickReturns) {
    test::ScriptedHost host;
    SimplePreview preview(PageList(test::samplePages(4)), host);
    preview.resize(900, 700);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    preview.setGrid(2, 1);
    PreviewArea* view = preview.view();
    const ThumbnailGrid grid = view->grid();
    QTest::mouseClick(view->widget(), Qt::LeftButton, {}, grid.cells[1].center());
    EXPECT_EQ(preview.current(), 2);
    EXPECT_EQ(preview.zoom(), Zoom::PageWidth);
    EXPECT_TRUE(actionNamed(preview, "Duljina &stranice")->isChecked());
    EXPECT_TRUE(actionNamed(preview, "Page Width")->isChecked());
    QTest::mouseClick(view->widget(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(preview.zoom(), Zoom::NoZoom);
    EXPECT_TRUE(actionNamed(preview, "Bez &Povecanja")->isChecked());
    actionNamed(preview, "&200 post.")->trigger();
    EXPECT_EQ(preview.zoom(), Zoom::Percent200);
    EXPECT_TRUE(actionNamed(preview, "200%")->isChecked());
}

TEST(SimplePreview, JumpAndDisplayWindows) {
    test::ScriptedHost host;
    SimplePreview preview(PageList(test::samplePages(6)), host);
    test::whenModalOpens([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Jump to a Report Page");
        auto* page = d->findChild<QSpinBox*>("page");
        EXPECT_EQ(page->maximum(), 6);
        page->setValue(4);
        d->accept();
    });
    actionNamed(preview, "&Skok na str.")->trigger();
    EXPECT_EQ(preview.current(), 4);
    preview.setZoom(Zoom::Percent100);
    test::whenModalOpens([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Change the Report Display");
        d->findChild<QSpinBox*>("across")->setValue(3);
        d->findChild<QSpinBox*>("down")->setValue(2);
        d->accept();
    });
    actionNamed(preview, "&Promijeni prikaz")->trigger();
    EXPECT_EQ(preview.shown(), 6);
    EXPECT_EQ(preview.zoom(), Zoom::NoZoom);
}

}  // namespace
}  // namespace pramo
