// What the forms print: the amount format, every amount whole in its box, the paper and offsets of
// a matrix printer, three HUB-3A orders to a sheet.

#include <cmath>
#include <map>
#include <set>

#include "orders/order_forms.h"
#include "orders/order_reports.h"
#include "orders_fixture.h"
#include "preview/text_metrics.h"
#include "records/layouts/param.h"

namespace pramo::test {
namespace {

TEST(OrderAmount, AsteriskedInTenCharactersNeverCut) {
    const std::pair<const char*, const char*> cases[] = {
        {"1234.5", "**1.234,50"},       {"0", "******0,00"},           {"0.05", "******0,05"},
        {"999999.99", "999.999,99"},    {"1000000", "1.000.000,00"},   {"1234567.89", "1.234.567,89"},
        {"9999999999999.99", "9.999.999.999.999,99"},
    };
    for (const auto& [amount, text] : cases) EXPECT_EQ(orderAmountText(dec<OrderAmount>(amount)), text) << amount;
}

// Amounts, accounts, models and references are printed whole, each run inside its box.
TEST(OrderFields, ShownWholeInTheirBoxes) {
    PaymentOrder o;
    o.amount = dec<OrderAmount>("9999999999999.99");
    o[Field::Iznos] = orderAmountText(o.amount);
    o[Field::Zirou] = "HR5423600003200000007";
    o[Field::Zirop] = "HR1210010051863000160";
    o[Field::Modelu] = "HR67";
    o[Field::Pozivu] = "12345678903-15074-12";
    o[Field::Modelp] = "HR00";
    o[Field::Pozivp] = "1945-12345678903-15074";
    // How often each shows: on the order, and again on the receipt stub.
    const std::map<OrderForm, std::vector<std::pair<Field, std::size_t>>> counts{
        {OrderForm::Hub3, {{Field::Iznos, 2}, {Field::Zirou, 1}, {Field::Modelu, 1}, {Field::Zirop, 2},
                           {Field::Modelp, 2}, {Field::Pozivp, 2}}},
        {OrderForm::Hub3a, {{Field::Iznos, 2}, {Field::Zirou, 1}, {Field::Modelu, 2}, {Field::Pozivu, 2},
                            {Field::Zirop, 2}, {Field::Modelp, 2}, {Field::Pozivp, 2}}}};
    for (const auto& [form, fields] : counts) {
        const std::vector<Page> pages = orderPages(formLayout(form), Paper::a4(), {o});
        std::multiset<std::string> shown;
        for (const PageItem& item : pages.at(0).items()) {
            const auto* t = std::get_if<TextRun>(&item);
            if (!t) continue;
            shown.insert(t->text.toStdString());
            if (t->width > 0.0) {
                EXPECT_LE(textWidthMm(t->font, t->text), t->width + 0.01) << t->text.toStdString();
            }
        }
        for (const auto& [field, count] : fields) EXPECT_EQ(shown.count(o[field]), count) << fieldName(field);
    }
}

// A model and the reference after it never run together, on the order and on its receipt stub:
// the model ends a millimetre or more before its reference begins, as the form's boxes are apart.
TEST(OrderFields, ModelsStandApartFromTheirReferences) {
    PaymentOrder o;
    o[Field::Modelu] = "HR67";
    o[Field::Pozivu] = "84625193703-15074-8";
    o[Field::Modelp] = "HR68";
    o[Field::Pozivp] = "1945-84625193703-15074";
    for (const OrderForm form : {OrderForm::Hub3, OrderForm::Hub3a}) {
        std::vector<const TextRun*> models, references;
        const std::vector<Page> pages = orderPages(formLayout(form), Paper::a4(), {o});
        for (const PageItem& item : pages.at(0).items()) {
            const auto* t = std::get_if<TextRun>(&item);
            if (t && (t->text == "HR67" || t->text == "HR68")) models.push_back(t);
            if (t && (t->text.startsWith("8462") || t->text.startsWith("1945"))) references.push_back(t);
        }
        std::size_t pairs = 0;
        for (const TextRun* m : models) {
            const TextRun* next = nullptr;  // the reference that follows the model on its line
            for (const TextRun* r : references) {
                const bool after = std::abs(m->at.y() - r->at.y()) < 0.5 && r->at.x() > m->at.x();
                if (after && (!next || r->at.x() < next->at.x())) next = r;
            }
            if (!next) continue;
            ++pairs;
            EXPECT_GE(next->at.x() - (m->at.x() + textWidthMm(m->font, m->text)), 1.0 - 1e-9)
                << m->text.toStdString() << " at " << m->at.x() << " mm, form " << static_cast<int>(form);
        }
        EXPECT_EQ(pairs, form == OrderForm::Hub3 ? 2u : 4u);  // HUB-3 shows the payer's model without a reference
    }
}

// Every box lies on the sheet of either printer, the receipt stub's payer line too (on A4 it ran
// past the sheet's edge).
TEST(OrderFields, EveryBoxOnTheSheet) {
    for (const OrderForm form : {OrderForm::Hub3, OrderForm::Hub3a}) {
        const FormLayout& layout = formLayout(form);
        for (const PrinterKind printer : {PrinterKind::Matrix, PrinterKind::Laser}) {
            const double sheet = orderPaper(layout, printer, {}).pageSize().width();
            for (const Placement& p : layout.fields)
                EXPECT_LE(layout.body.x() + p.x + p.width, sheet) << fieldName(p.field) << " at " << p.x;
        }
    }
}

class OrderPages : public OrdersTest {
protected:
    ReportResult run(const ReportSpec& spec, PrinterKind printer, std::int32_t param) {
        const ReportArgs args{.payment = 1, .param = param, .printer = printer};
        SilentProgress progress;
        return runDeclaredReport(spec, data.files, args, office.clock(), progress);
    }
};

// A matrix printer's custom paper moved by the offsets of the PARAM record given, or of the first
// record in the file when none is (as HUB-3A always takes it); laser sheets take no offsets.
TEST_F(OrderPages, PaperAndOffsets) {
    payment(date(2015, 3, 15));
    item(1, 1, 2, "1000.00");
    office.add(Param{.oznaka = 2, .xpos = 3, .ypos = -2, .modelprintera = "prvi upisan"});
    office.add(Param{.oznaka = 1, .xpos = 7, .ypos = 4, .modelprintera = "drugi upisan"});
    struct Case {
        const ReportSpec* spec;
        PrinterKind printer;
        std::int32_t param;
        QSizeF size;
        QPointF offset;
        std::size_t pages;
    } cases[] = {
        {&hub3Report, PrinterKind::Matrix, 1, {250.0, 101.6}, {7, 4}, 5},
        {&hub3Report, PrinterKind::Matrix, 0, {250.0, 101.6}, {3, -2}, 5},
        {&hub3aReport, PrinterKind::Matrix, 0, {250.0, 304.8}, {3, -2}, 2},
        {&hub3aReport, PrinterKind::Laser, 0, {210.0, 297.0}, {0, 0}, 2},
        {&hub3Report, PrinterKind::Laser, 1, {297.0, 210.0}, {0, 0}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.spec->name) + " param " + std::to_string(c.param));
        const ReportResult r = run(*c.spec, c.printer, c.param);
        ASSERT_EQ(r.end, RunEnd::Pages);
        ASSERT_EQ(r.pages.size(), c.pages);
        EXPECT_EQ(r.pages[0].size(), c.size);
        EXPECT_EQ(r.pages[0].paper().offset, c.offset);
        EXPECT_EQ(r.pages[0].paper().custom, c.printer == PrinterKind::Matrix);
    }
}

// The text form lists each order's fields, one a line; a payment without items prints nothing.
TEST_F(OrderPages, TextForm) {
    payment(date(2015, 3, 15));
    EXPECT_EQ(run(hub3aReport, PrinterKind::Laser, 0).end, RunEnd::NothingToPrint);
    item(1, 1, 2, "1000.00");
    const ReportResult r = run(hub3aReport, PrinterKind::Laser, 0);
    ASSERT_EQ(r.text.size(), 5u * (1 + fieldCount));
    EXPECT_EQ(r.text[0], "NALOG=1");
    EXPECT_EQ(r.text[1], "IZNOS=**1.000,00");
    EXPECT_EQ(r.text[6], "MODELU=HR67");
    EXPECT_EQ(r.text[7], "POZIVU=12345678903-15074-8");
    EXPECT_EQ(r.text[16], "NALOG=2");
}

}  // namespace
}  // namespace pramo::test
