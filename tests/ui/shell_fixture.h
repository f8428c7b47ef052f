#pragma once
// What the frame's tests share: a program started over a fresh data directory with scripted
// message boxes and a fixed day, and a driver that answers the modal windows the program opens.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTimer>
#include <QVariant>
#include <deque>
#include <functional>
#include <memory>

#include "app/register_screens.h"
#include "shell/called_window.h"
#include "shell/desktop/session.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo::test {

struct ShellFixture : ::testing::Test {
    ShellFixture() { QSettings().clear(); }  // no window places remembered from another test

    TempDir dir;
    ScriptedMessages messages;
    FixedClock clock{*Date::fromYmd(2015, 3, 14)};
    std::unique_ptr<Session> session;
    ScreenRegistry programScreens = allScreens();  // what the program registers: look-ups, commands

    // One start of the program in `dir` (several starts may follow one another).
    bool start() {
        session.reset();
        session = std::make_unique<Session>(messages, clock, dir.path().string(), dataUpgrades());
        session->context().screens = &programScreens;
        return session->start();
    }
    static ScreenRegistry allScreens() {
        ScreenRegistry r;
        registerAllScreens(r);
        return r;
    }
    AppContext& ctx() { return session->context(); }
    Store& store() { return ctx().store; }

    std::int64_t count(const TableDef& t) {
        std::int64_t n = -1;
        EXPECT_EQ(store().count(t, n), StoreCode::Ok) << t.name;
        return n;
    }
};

// Answers modal windows as a user would: each step gets the next modal window that appears and
// acts on it (clicks a button, presses a key). Steps run from the event loop of that window.
class ModalSteps {
public:
    using Step = std::function<void(QWidget* modal)>;

    ModalSteps() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    ModalSteps& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool allDone() const { return steps_.empty(); }

private:
    // The modal window shown, or else a window called by a screen (modal to that screen only)
    // that no step has had yet.
    static QWidget* modalWindow() {
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->property(calledWindowProperty).toBool() && !w->property("pramoSeen").toBool()) return w;
        return nullptr;
    }
    void poll() {
        // After a failed assertion no step answers as planned: every window is closed, so the
        // test ends failed instead of waiting for a user.
        if (::testing::Test::HasFatalFailure()) return closeAll();
        QWidget* modal = modalWindow();
        // The progress window of a report is the program at work, not a question to answer.
        if (!modal || steps_.empty() || modal->property("pramoSeen").toBool() || modal->inherits("pramo::ProgressWindow")) return;
        modal->setProperty("pramoSeen", true);
        // As the desktop does with a window shown. The application's own active window is what decides
        // whether moving the focus reaches a field (isActiveWindow() may already say yes while the
        // platform's activation is still on its way).
        if (QApplication::activeWindow() != modal) QApplication::setActiveWindow(modal);
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(modal);
        if (::testing::Test::HasFatalFailure()) closeAll();
    }
    static void closeAll() {
        if (QWidget* modal = QApplication::activeModalWidget()) close(modal);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->property(calledWindowProperty).toBool()) close(w);
    }
    static void close(QWidget* window) {
        if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
        else window->close();
    }

    QTimer timer_;
    std::deque<Step> steps_;
};

// The button of `window` whose text (mnemonic marks removed) is `text`; null when there is none.
inline QAbstractButton* buttonNamed(QWidget* window, const QString& text) {
    for (auto* b : window->findChildren<QAbstractButton*>())
        if (b->text().remove('&') == QString(text).remove('&')) return b;
    return nullptr;
}

}  // namespace pramo::test
