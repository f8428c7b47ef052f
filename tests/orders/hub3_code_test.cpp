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
    item(1, 2, 2, "1000.00");
    const std::vector<PaymentOrder> got = orders(OrderForm::Hub3a);
    ASSERT_EQ(got.size(), 4u);
    // The payee has no model: the code says HR99, without a reference.
    EXPECT_EQ(hub3Content(got[0]),
              "HRVHUB30\nHRK\n000000000100000\nPramo d.o.o.\nIlica 1\n10000 Zagreb\nAna Kovačević\nMarmontova 3\n"
              "21000 Split\n\nHR99\n\nOTHR\nAutorski honorar - Ana Kovačević");
    // Recipient lines cut to 25, the description to 35.
    EXPECT_EQ(hub3Content(got[1]),
              "HRVHUB30\nHRK\n000000000021813\nPramo d.o.o.\nIlica 1\n10000 Zagreb\nPorez i prirez\nna dohodak\n"
              "SPLIT\nHR2710010051740912004\nHR68\n1945-12345678903-15074\nTAXS\nUplata poreza i prireza na dohodak");
}

TEST(Hub3Code, CurrencyByDate) {
    PaymentOrder o;
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
    for (const PaymentOrder& o : got) expected.push_back(*hub3Content(o));
    for (const Page& page : orderPages(formLayout(OrderForm::Hub3a), Paper::a4(), got)) {
        for (std::string& text : decodedCodes(page)) decoded.push_back(std::move(text));
    }
    std::sort(expected.begin(), expected.end());
    std::sort(decoded.begin(), decoded.end());
    EXPECT_EQ(got.size(), 9u);  // three payee and three tax orders, pillar I, II and health
    EXPECT_EQ(decoded, expected);
}

}  // namespace
}  // namespace pramo::test
