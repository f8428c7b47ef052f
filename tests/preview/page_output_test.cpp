#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "preview/page_painter.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

Page sample(const QString& text, Paper paper = Paper::a4()) {
    Page page(paper);
    page.box(QRectF(10, 10, 100, 20), 0.3, 0.2).line({10, 40}, {200, 40}).text({15, 15}, text);
    return page;
}

TEST(PageOutput, PdfHoldsEveryPageAsText) {
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("out.pdf"));
    Paper matrix{QSizeF(250.0, 101.6), Orientation::Portrait, true, QPointF(5.0, 3.0)};
    ASSERT_EQ(writePdf({sample("Prva strana Čakovec"), sample("Druga strana Đakovo", matrix)}, path), std::nullopt);
    const QString text = QString::fromStdString(test::pdfText(path.toStdString()));
    EXPECT_TRUE(text.contains("Prva strana Čakovec")) << text.toStdString();
    EXPECT_TRUE(text.contains("Druga strana Đakovo")) << text.toStdString();
    EXPECT_EQ(text.count('\f'), 2);  // two pages
}

std::string withoutDate(const QString& path) { return test::pdfBytesWithoutDate(path.toStdString()); }

// A multi-page PDF painted page by page as a report makes them is the one painted of the kept
// pages, byte for byte (its date aside); a report that makes no page writes no file.
TEST(PageOutput, PdfOfStreamedPagesIsThatOfKeptPages) {
    test::TempDir dir;
    const QString kept = QString::fromStdString(dir.file("kept.pdf")), streamed = QString::fromStdString(dir.file("streamed.pdf"));
    Paper matrix{QSizeF(250.0, 101.6), Orientation::Portrait, true, QPointF(5.0, 3.0)};
    const std::vector<Page> pages{sample("Prva Čakovec"), sample("Druga Đakovo", matrix), sample("Treća", Paper::a4Landscape())};
    ASSERT_EQ(writePdf(pages, kept, "Naslov"), std::nullopt);
    std::size_t made = 0;
    const auto make = [&](const PageSink& sink) {
        for (; made < pages.size(); ++made) sink(Page(pages[made]));  // each a page of its own, gone after
        return true;
    };
    ASSERT_EQ(writePdf(make, streamed, "Naslov"), std::nullopt);
    EXPECT_EQ(made, pages.size());
    EXPECT_EQ(withoutDate(streamed), withoutDate(kept));
    EXPECT_NE(withoutDate(kept).find("%PDF"), std::string::npos);
    const QString none = QString::fromStdString(dir.file("none.pdf"));
    EXPECT_TRUE(writePdf([](const PageSink&) { return false; }, none));
    EXPECT_FALSE(QFile::exists(none));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);  // no temporary left
}

TEST(PageOutput, SvgIsOnePageDrawing) {
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("page.svg"));
    ASSERT_EQ(writeSvg(sample("Šibenik"), path), std::nullopt);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("Šibenik"));
}

TEST(PageOutput, UnwritablePlacesFailAndLeaveNothing) {
    test::TempDir dir;
    const QString missing = QString::fromStdString(dir.file("no/such/dir/out"));
    EXPECT_TRUE(writePdf({sample("x")}, missing + ".pdf"));
    EXPECT_TRUE(writeSvg(sample("x"), missing + ".svg"));
    EXPECT_TRUE(writePdf(std::vector<Page>{}, QString::fromStdString(dir.file("empty.pdf"))));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("empty.pdf"))));
}

TEST(PageOutput, PaintsWhereThePageSaysAtAnyScale) {
    for (int width : {210, 840}) {  // 1 and 4 pixels per mm
        const double s = width / 210.0;
        QImage image(width, static_cast<int>(297 * s), QImage::Format_RGB32);
        image.fill(Qt::white);
        Page page;
        page.box(QRectF(50, 100, 20, 20), 0.0, 1.0);  // a black square, no frame
        QPainter p(&image);
        paintPage(p, page, QRectF(0, 0, image.width(), image.height()));
        p.end();
        EXPECT_EQ(image.pixelColor(int(60 * s), int(110 * s)), QColor(Qt::black)) << width;
        EXPECT_EQ(image.pixelColor(int(45 * s), int(110 * s)), QColor(Qt::white)) << width;
        EXPECT_EQ(image.pixelColor(int(60 * s), int(125 * s)), QColor(Qt::white)) << width;
    }
}

}  // namespace
}  // namespace pramo
