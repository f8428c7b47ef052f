#pragma once
// What the registers' screen tests share: the program started over the standard office (two
// municipalities, places, streets, a bank, a payer and three payees), forms run as their list
// runs them, and the pictures of screens written when PRAMO_SHOTS names a directory.

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QPixmap>

#include "records/store/read_linked.h"
#include "registers/ui/register_lists.h"
#include "support/office.h"
#include "ui/screens_fixture.h"

namespace pramo {

template <std::size_t N>
void PrintTo(const Text<N>& text, std::ostream* os) {
    *os << '"' << text.str() << '"';
}

}  // namespace pramo

namespace pramo::test {

struct RegistersFixture : ScreensFixture {
    std::unique_ptr<Office> office;

    void SetUp() override {
        ScreensFixture::SetUp();
        office = std::make_unique<Office>(ctx().files);
        office->standardRegisters();
    }
    void TearDown() override {
        ScreensFixture::TearDown();
        office.reset();
    }

    // The stored record numbered `number`, or nullopt.
    template <class R>
    std::optional<R> stored(std::int64_t number) {
        std::optional<R> rec;
        EXPECT_EQ(readLinked(store(), number, rec), StoreCode::Ok);
        return rec;
    }
    // A form run on record `rec` as its list runs it, with `step` acting on it.
    template <class R>
    Response runForm(const FormSpec& spec, Request request, R& rec, ModalSteps::Step step) {
        RecordBuffer buffer(R::table);
        buffer.copyFrom(rec);
        ModalSteps steps;
        steps.then(std::move(step));
        const Response r = callForm(ctx(), spec, request, buffer, nullptr);
        EXPECT_TRUE(steps.allDone());
        buffer.copyTo(rec);
        return r;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : messages.shown) out.push_back(b.text);
        return out;
    }
    static void shoot(QWidget* w, const QString& name) {
        const QString dir = qEnvironmentVariable("PRAMO_SHOTS");
        if (!dir.isEmpty()) w->grab().save(QDir(dir).filePath(name + ".png"));
    }
};

}  // namespace pramo::test
