// No window opens larger than its screen or partly off it. The screens of these tests are small
// (800 × 600): the frame, the previews and a form called from a window in the screen's corner must
// all lie within it.

#include <QDialog>
#include <QScreen>

#include "preview/ui/report_preview.h"
#include "registers/ui/register_lists.h"
#include "shell/desktop/main_window.h"
#include "preview_test_support.h"
#include "ui/registers_fixture.h"

namespace pramo {
namespace {

using test::ModalSteps;

class ScreenFit : public test::RegistersFixture {
protected:
    static QRect room() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static void expectWithinTheScreen(const QWidget& w) {
        EXPECT_TRUE(room().contains(w.frameGeometry())) << w.windowTitle().toStdString() << ": " << w.frameGeometry().x()
                                                        << "," << w.frameGeometry().y() << " " << w.frameGeometry().width()
                                                        << "x" << w.frameGeometry().height();
    }
};

TEST_F(ScreenFit, NoWindowReachesBeyondTheScreen) {
    ASSERT_LT(room().width(), 1024);  // smaller than the frame's wish
    MainWindow frame(ctx(), ScreenRegistry{});
    frame.show();
    expectWithinTheScreen(frame);

    QWidget caller;  // a small window in the screen's lower right corner calls each window
    caller.setGeometry(room().right() - 300, room().bottom() - 200, 300, 200);
    caller.show();
    test::ScriptedHost host;
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"simple preview", [&] { previewAndPrint(test::samplePages(2), "x", host, &caller); }},
        {"full preview", [&] { showFullPreview(test::samplePages(2), "1", host, &caller); }},
        {"payee form", [&] {
             RecordBuffer rec(Osobe::table);
             callForm(ctx(), upisOsobe, Request::Insert, rec, &caller);
         }},
        {"payees list", [&] {
             RecordBuffer rec(Osobe::table);
             selectRecord(ctx(), osobeList, rec, &caller);
         }},
    };
    for (const auto& [what, call] : calls) {
        SCOPED_TRACE(what);
        ModalSteps steps;
        steps.then([this](QWidget* called) {
            expectWithinTheScreen(*called);
            called->close();
        });
        call();
        EXPECT_TRUE(steps.allDone());
    }
}

}  // namespace
}  // namespace pramo
