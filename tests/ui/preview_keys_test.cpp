// Both previews worked without the mouse: every command of the toolbar has a key, named in its tool
// tip, Tab reaches every one of them, and the keys do what the buttons do.

#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "preview/ui/full_preview.h"
#include "preview/ui/simple_preview.h"
#include "preview_test_support.h"

namespace pramo {
namespace {

// The toolbar's commands: each with a key at the end of its tool tip and a button Tab can reach.
void expectEveryCommandKeyed(QWidget& preview) {
    auto* bar = preview.findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    std::set<QWidget*> controls;
    for (QAction* a : bar->actions()) {
        QWidget* w = bar->widgetForAction(a);
        if (a->isSeparator() || !w || qobject_cast<QLabel*>(w)) continue;
        const QString tip = w->toolTip();
        SCOPED_TRACE(tip.toStdString());
        const bool keyed = !a->shortcut().isEmpty() ? tip.endsWith('(' + a->shortcut().toString() + ')')
                                                    : tip.contains(QRegularExpression(R"(\((Ctrl|Alt)\+\w\)$)"));
        EXPECT_TRUE(keyed);
        EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus);
        if (w->isEnabled()) controls.insert(w);
    }
    preview.resize(bar->sizeHint().width() + 40, 500);  // no command hidden behind the toolbar's edge
    QApplication::setActiveWindow(&preview);
    std::set<QWidget*> reached;
    for (int i = 0; i < 40 && reached.size() < controls.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* at = QApplication::focusWidget();
        while (at && !controls.count(at)) at = at->parentWidget();  // a spin box's own entry
        if (at) reached.insert(at);
    }
    for (QWidget* w : controls) EXPECT_TRUE(reached.count(w)) << w->toolTip().toStdString();
}

TEST(PreviewKeys, EveryToolbarCommandHasAKeyInItsTipAndTabReachesIt) {
    test::ScriptedHost host;
    FullPreview full(PageList(test::samplePages(5)), "1", host);
    full.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&full));
    expectEveryCommandKeyed(full);
    SimplePreview simple(PageList(test::samplePages(5)), host);
    simple.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&simple));
    expectEveryCommandKeyed(simple);
}

// The keys of the full preview move through the pages, mark, open the zoom list and leave.
TEST(PreviewKeys, TheFullPreviewsKeysDoWhatItsButtonsDo) {
    test::ScriptedHost host;
    FullPreview preview(PageList(test::samplePages(5)), "1", host);
    preview.show();
    QApplication::setActiveWindow(&preview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    struct Case {
        QKeyCombination key;
        int page;
    };
    const Case cases[] = {{QKeyCombination(Qt::Key_PageDown), 2}, {Qt::CTRL | Qt::Key_End, 5},
                          {QKeyCombination(Qt::Key_PageUp), 4}, {Qt::CTRL | Qt::Key_Home, 1}};
    for (const Case& c : cases) {
        QTest::keyClick(QApplication::focusWidget(), c.key.key(), c.key.keyboardModifiers());
        EXPECT_EQ(preview.current(), c.page) << QKeySequence(c.key).toString().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(preview.pages().marked(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::ControlModifier);
    QTRY_VERIFY(preview.zoomList()->view()->isVisible());
    preview.zoomList()->hidePopup();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_FALSE(preview.printed());
}

}  // namespace
}  // namespace pramo
