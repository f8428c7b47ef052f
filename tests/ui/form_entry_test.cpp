// What a form's entries take: a refused value says which field takes what and keeps the focus; a
// record's number is never 0; a change of any one field is stored; a long text opens at its start.

#include <QPushButton>

#include "preview/ui/printer_params.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/opcine.h"
#include "shell/form/entry_check.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class FormEntry : public test::ScreensFixture {
protected:
    // The form over record `oznaka` as its list opens it for a change.
    void change(const FormSpec& spec, int oznaka, ModalSteps::Step step) {
        RecordBuffer rec(Param::table);
        rec.copyFrom(*param(oznaka));
        ModalSteps steps;
        steps.then(std::move(step));
        callForm(ctx(), spec, Request::Change, rec, nullptr);
        EXPECT_TRUE(steps.allDone());
    }
};

TEST_F(FormEntry, ARefusedValueSaysWhichFieldTakesWhatAndKeepsTheFocus) {
    struct Case {
        std::string_view field;
        QString typed;
        std::string message;
    };
    const Case cases[] = {
        {"OZNAKA", "0", "Oznaka ne smije biti 0."},  // a record numbered 0 would drop out of every list
        {"XPOS", "99999", "VODORAVNO mora biti između -32768 i 32767."},
        {"OZNAKA", "70000", "Oznaka mora biti između 0 i 65535."},
    };
    addParam(1, "Epson", 5, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.shown.clear();
        change(updateParam, 1, [&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            QApplication::setActiveWindow(&form);
            QLineEdit* e = entry(form, c.field);
            e->setFocus();
            retype(e, c.typed);
            QTest::keyClick(e, Qt::Key_Tab);
            QApplication::processEvents();
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, c.message);
            EXPECT_EQ(messages.shown[0].title, "Promjene");
            EXPECT_EQ(QApplication::focusWidget(), e);
            form.okButton()->click();  // OK says it again and saves nothing
            QApplication::processEvents();
            EXPECT_EQ(messages.shown.size(), 2u);
            EXPECT_TRUE(form.isVisible());
            form.cancelButton()->click();
        });
        EXPECT_EQ(count(Param::table), 1);
        EXPECT_EQ(param(1)->xpos, 5);
    }
}

TEST(EntryFault, NamesWhatTheFieldTakes) {
    const FieldDef& rate = *Opcine::table.field("STOPAPRIREZA");
    const FieldDef& date = *Isplate::table.field("DATUM");
    EXPECT_EQ(entryFault(rate, "% Prireza:", "12,345", false), "% Prireza smije imati najviše 2 decimale.");
    EXPECT_EQ(entryFault(rate, "% Prireza:", "100000", false), "% Prireza mora biti između -99.999,99 i 99.999,99.");
    EXPECT_EQ(entryFault(rate, "% Prireza:", "18,00", false), "");
    EXPECT_EQ(entryFault(rate, "% Prireza:", "1.000", false), "% Prireza: točka može značiti tisuće ili decimale; decimale upišite zarezom.");
    EXPECT_EQ(entryFault(date, "&Datum:", "31.02.2015", false), "Datum: datum nije ispravan (dd.mm.gggg).");
}

// An amount is read back as the screens write it, with its thousands points; a lone point with
// no comma is the keypad's decimal point, unless it may as well be a thousands point: refused.
TEST(ParseField, AmountsAreReadAsTheScreensWriteThem) {
    const FieldDef& neto = *Dohoci::table.field("NETO");
    const struct { const char* typed; std::optional<std::int64_t> raw; } cases[] = {
        {"1.234,50", 123450},        {"-1.234,50", -123450}, {"1234,5", 123450},  {"1234.5", 123450},
        {"12.5", 1250},              {"1.000", std::nullopt},      {"1.000.000", 100000000}, {"999.999.999,99", 99999999999},
        {"1.000,5", 100050},         {"1.23.4", std::nullopt}, {"12.34,00", std::nullopt}, {"1.234", std::nullopt},
        {"1.234.5", std::nullopt},   {".500", 50},       {"-12.345", std::nullopt}, {"1234.500", 123450},
    };
    for (const auto& c : cases) {
        const auto v = parseField(neto, c.typed);
        EXPECT_EQ(v ? std::optional<std::int64_t>(v->number) : std::nullopt, c.raw) << c.typed;
    }
    for (const std::int64_t raw : {std::int64_t{123456789}, std::int64_t{-100000}, std::int64_t{5}}) {
        Dohoci doh;
        doh.neto = Money::fromRaw(raw);
        EXPECT_EQ(parseField(neto, fieldText(neto, &doh))->number, raw) << fieldText(neto, &doh);
    }
}

// Change detection covers every field: a change of only the last field of the form, or of the
// record, is stored.
TEST_F(FormEntry, AChangeOfOnlyTheLastFieldIsStored) {
    FormSpec everyField = updateParam;
    for (const char* f : {"OZNAKAPAPIRA", "DUZINA", "SIRINA"}) everyField.fields.push_back({.field = f, .label = f});
    const std::vector<std::pair<const FormSpec*, std::string_view>> cases{{&updateParam, "YPOS"}, {&everyField, "SIRINA"}};
    addParam(1, "Epson", 5, 7);
    for (const auto& [spec, field] : cases) {
        SCOPED_TRACE(std::string(field));
        change(*spec, 1, [field](QWidget* modal) {
            retype(entry(formOf(modal), field), "42");
            formOf(modal).okButton()->click();
        });
        const Param stored = *param(1);
        EXPECT_EQ(Param::table.field(field)->getInt(&stored), 42);
    }
}

TEST_F(FormEntry, ALongTextOpensAtItsBeginning) {
    const std::string longText = "Početak " + std::string(90, 'x');
    addParam(1, longText);
    change(updateParam, 1, [&](QWidget* modal) {
        QLineEdit* e = entry(formOf(modal), "MODELPRINTERA");
        EXPECT_EQ(e->text().toStdString(), longText);
        EXPECT_EQ(e->cursorPosition(), 0);
        formOf(modal).reject();
    });
}

}  // namespace
}  // namespace pramo
