#pragma once
// What the list and form screen tests share: the program started over a fresh data directory,
// printer-parameter records, a list screen shown as a user sees it, and reading what it shows.

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <string>

#include "records/layouts/param.h"
#include "shell/form/form_screen.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"
#include "shell/list/page_view.h"
#include "ui/shell_fixture.h"

namespace pramo::test {

struct ScreensFixture : ShellFixture {
    std::unique_ptr<ListScreen> screen;

    void SetUp() override {
        ASSERT_TRUE(start());
        ASSERT_EQ(ctx().files.open(Param::table), StoreCode::Ok);
    }
    void TearDown() override { screen.reset(); }

    Param addParam(int oznaka, const std::string& namjena, int x = 0, int y = 0) {
        Param p;
        p.oznaka = static_cast<std::uint16_t>(oznaka);
        p.modelprintera = namjena;
        p.xpos = static_cast<std::int16_t>(x);
        p.ypos = static_cast<std::int16_t>(y);
        EXPECT_EQ(store().add(p), StoreCode::Ok);
        return p;
    }
    // The stored record numbered `oznaka`, or nullopt.
    std::optional<Param> param(int oznaka) {
        Param p;
        p.oznaka = static_cast<std::uint16_t>(oznaka);
        if (!ok(store().get(Param::keyOznaka, p))) return std::nullopt;
        return p;
    }

    ListPanel& open(const ListSpec& spec, Request request = Request::None, RecordBuffer* buffer = nullptr) {
        screen = std::make_unique<ListScreen>(ctx(), spec, request, buffer);
        screen->resize(760, 420);
        screen->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        return *screen->panel();
    }

    // Texts of one column as the list shows them.
    static std::vector<std::string> column(const ListPanel& list, int col) {
        std::vector<std::string> out;
        auto* model = list.view()->model();
        for (int r = 0; r < model->rowCount(); ++r) out.push_back(model->index(r, col).data().toString().toStdString());
        return out;
    }
    // The highlighted row's text in a column, as shown.
    static std::string highlighted(const ListPanel& list, int col = 0) {
        const QModelIndex current = list.view()->currentIndex();
        if (!current.isValid() || !list.view()->selectionModel()->isRowSelected(current.row(), {})) return "(none)";
        return list.view()->model()->index(current.row(), col).data().toString().toStdString();
    }

    // Typing and keys on a list, as the user does with the list focused.
    static void type(ListPanel& list, const QString& text) { QTest::keyClicks(list.view(), text); }
    static void key(ListPanel& list, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(list.view(), k, m);
    }

    static QLineEdit* entry(FormScreen& form, std::string_view field) {
        return qobject_cast<QLineEdit*>(form.editor(field));
    }
    // Types as a user does, one key per character; the keys carry their text, so that Croatian
    // letters (which QTest's own typing cannot send) arrive as typed.
    static void typeInto(QWidget* w, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    // Replaces an entry's text as a user does: select all, type.
    static void retype(QLineEdit* e, const QString& text) {
        e->selectAll();
        typeInto(e, text);
    }
    // Types into a field of the form (on its tab) and leaves it with Tab, as the user does; the form is
    // made the active window first, since leaving a field only tells the form when its window is active.
    static void typeAndLeave(FormScreen& form, std::string_view field, const QString& text) {
        QApplication::setActiveWindow(&form);
        QLineEdit* e = entry(form, field);
        if (auto* tabs = form.findChild<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(e)) tabs->setCurrentIndex(i);
        e->setFocus(Qt::MouseFocusReason);
        retype(e, text);
        QTest::keyClick(e, Qt::Key_Tab);
        QApplication::processEvents();
    }
};

// The form a step is handed (the modal window the list opened).
inline FormScreen& formOf(QWidget* modal) {
    auto* form = qobject_cast<FormScreen*>(modal);
    EXPECT_NE(form, nullptr) << "the modal window is not a form";
    return *form;
}

}  // namespace pramo::test
