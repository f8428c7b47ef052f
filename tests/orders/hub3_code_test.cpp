// The HUB-3 2D code: its content field by field, the currency by date, ISO 8859-2, and every
// code of a three-item payment read back off the rendered pages by an independent decoder.

#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "orders/hub3_code.h"
#include "orders/order_forms.h"
#include "orders_fixture.h"
#include "preview/page_painter.h"

namespace pramo::test {
namespace {

TEST_F(OrdersTest, CodeContentFieldByField) {
    payment(date(2015, 3, 15));
    item(1, 1, 2, "1000.00");
    item(2, 2, 2, "1000.00");
    const std::vector<PaymentOrder> got = orders(OrderForm::Hub3a);
    ASSERT_EQ(got.size(), 7u);
    // Every field ends with a line feed, the last one too. The payee has no model: the code says
    // HR99, without the reference.
    EXPECT_EQ(hub3Content(got[0]),
              "HRVHUB30\nHRK\n000000000100000\nPramo d.o.o.\nIlica 1\n10000 Zagreb\nIvan Horvat\nIlica 10\n"
              "10000 Zagreb\nHR6023600001101234567\nHR99\n\nOTHR\nAutorski honorar - Ivan Horvat\n");
    // Recipient lines cut to 25, the description to 35.
    EXPECT_EQ(hub3Content(got[3]),
              "HRVHUB30\nHRK\n000000000021813\nPramo d.o.o.\nIlica 1\n10000 Zagreb\nPorez i prirez\nna dohodak\n"
              "SPLIT\nHR2710010051740912004\nHR68\n1945-12345678903-15074\nTAXS\nUplata poreza i prireza na dohodak\n");
    // Ana Kovačević has no account: her order carries no code and says so where the IBAN goes.
    EXPECT_EQ(got[2][Field::Zirop], missingAccount);
    EXPECT_EQ(hub3Content(got[2]), std::nullopt);
}

// A text field's control characters are blanked: a line feed in a name must not shift the fields
// after it, or a bank would read another IBAN or amount.
TEST(Hub3Code, ControlCharactersInTextsAreBlanked) {
    PaymentOrder o;
    o.amount = dec<OrderAmount>("12.34");
    o[Field::Zirop] = "HR1210010051863000160";
    o.payer = {"Pramo\nd.o.o.", "Ilica\t1", "Zagreb\x7F"};
    o.recipient = {"Ana\rKos", "Ulica\x1B", "Split\x07"};
    o[Field::Opisplacanja] = "Opis\n\nplaćanja";
    const std::string content = hub3Content(o).value();
    std::vector<std::string> fields;
    for (std::size_t from = 0, lf; (lf = content.find('\n', from)) != std::string::npos; from = lf + 1)
        fields.push_back(content.substr(from, lf - from));
    ASSERT_EQ(fields.size(), 14u) << content;
    EXPECT_TRUE(content.ends_with("\n"));
    const std::vector<std::string> expected{"HRVHUB30", "EUR", "000000000001234", "Pramo d.o.o.", "Ilica 1", "Zagreb",
                                            "Ana Kos", "Ulica", "Split", "HR1210010051863000160", "HR99", "", "",
                                            "Opis  plaćanja"};
    EXPECT_EQ(fields, expected);
}

// Which model and reference the code carries, and when it carries no code at all: without a
// valid model it says HR99, and HR99 has no reference, so the payee's reference is left out
// (never kept under a model it does not belong to); without the recipient's whole IBAN no code.
TEST(Hub3Code, ModelReferenceAndAccount) {
    const struct {
        const char* model;
        const char* reference;
        const char* iban;
        const char* carries;  // model LF reference, or null for no code
    } cases[] = {
        {"HR01", "123-45", "HR6023600001101234567", "HR01\n123-45"},
        {"HR00", "", "HR6023600001101234567", "HR00\n"},
        {"", "123-45", "HR6023600001101234567", "HR99\n"},
        {"HR", "123-45", "HR6023600001101234567", "HR99\n"},
        {"HR1", "123-45", "HR6023600001101234567", "HR99\n"},
        {"01", "123-45", "HR6023600001101234567", "HR99\n"},
        {"HR01", "123-45", "", nullptr},                       // a payee without an account
        {"HR68", "1945-1", "HR1110010051", nullptr},            // a municipality without its tax account
        {"HR68", "1945-1", "HR121001005186300016", nullptr},    // a digit short
        {"HR68", "1945-1", "HR1310010051863000160", nullptr},   // wrong check digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.iban);
        PaymentOrder o;
        o[Field::Modelp] = c.model;
        o[Field::Pozivp] = c.reference;
        o[Field::Zirop] = c.iban;
        const std::optional<std::string> content = hub3Content(o);
        if (!c.carries) {
            EXPECT_EQ(content, std::nullopt);
            continue;
        }
        ASSERT_TRUE(content);
        EXPECT_NE(content->find(std::string("\n") + c.iban + "\n" + c.carries + "\n"), std::string::npos) << *content;
    }
}

TEST(Hub3Code, CurrencyByDate) {
    PaymentOrder o;
    o[Field::Zirop] = "HR1210010051863000160";
    for (auto [datum, currency] : {std::pair{date(2022, 12, 31), "HRK"}, {date(2023, 1, 1), "EUR"}, {Date{}, "EUR"}}) {
        o.datum = datum;
        EXPECT_EQ(hub3Content(o)->substr(9, 3), currency) << datum.toString();
    }
    o.amount = dec<OrderAmount>("-1.00");
    EXPECT_FALSE(hub3Content(o));
}

TEST(Hub3Code, Latin2) {
    const std::string croatian = "ČčĆćĐđŠšŽž";
    const std::string bytes = latin2FromUtf8(croatian);
    EXPECT_EQ(bytes, "\xC8\xE8\xC6\xE6\xD0\xF0\xA9\xB9\xAE\xBE");
    EXPECT_EQ(utf8FromLatin2(bytes), croatian);
    EXPECT_EQ(latin2FromUtf8("5 €"), "5 ?");
}

// The codes found on a page rendered at 300 dpi, as UTF-8 texts.
std::vector<std::string> decodedCodes(const Page& page) {
    constexpr double dpi = 300.0;
    QImage image((page.size() * dpi / 25.4).toSize(), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, image.rect());
    painter.end();
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417);
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(image.bytesPerLine()));
    std::vector<std::string> texts;
    for (const ZXing::Result& r : ZXing::ReadBarcodes(view, hints)) {
        const ZXing::ByteArray& b = r.bytes();
        texts.push_back(utf8FromLatin2(std::string(b.begin(), b.end())));
    }
    return texts;
}

TEST_F(OrdersTest, EveryCodeOfAPaymentReadsBack) {
    payment(date(2023, 2, 1));
    item(1, 1, 2, "1000.00");
    item(2, 2, 4, "2500.00");
    item(3, 3, 5, "123.45");
    const std::vector<PaymentOrder> got = orders(OrderForm::Hub3a);
    std::vector<std::string> expected, decoded;
    for (const PaymentOrder& o : got)
        if (auto content = hub3Content(o)) expected.push_back(*content);
    for (const Page& page : orderPages(formLayout(OrderForm::Hub3a), Paper::a4(), got)) {
        for (std::string& text : decodedCodes(page)) decoded.push_back(std::move(text));
    }
    std::sort(expected.begin(), expected.end());
    std::sort(decoded.begin(), decoded.end());
    EXPECT_EQ(got.size(), 9u);  // three payee and three tax orders, pillar I, II and health
    EXPECT_EQ(expected.size(), 7u);  // Ana Kovačević and Đurđa Šimić have no account
    EXPECT_EQ(decoded, expected);
}

}  // namespace
}  // namespace pramo::test
