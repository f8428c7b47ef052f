#include <gtest/gtest.h>

#include <QFile>

#include "preview/page_text.h"
#include "preview/text_metrics.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// On an A4 page a column is 210/200 = 1.05 mm wide and a line 297/150 = 1.98 mm high.
constexpr double col = 1.05;
constexpr double row = 1.98;

QString cells(const QString& line, int column, int n) { return line.mid(column - 1, n); }

TEST(PageAsText, PlacesTextOnTheGrid) {
    Page page;
    page.text({0.0, 0.0}, "corner");              // line and column at least 1
    page.text({20 * col, 14 * row}, "ABCDEF");      // 200/210 * 21 + 0.5 = 20.5 -> column 20; line 14.5 -> 14
    page.text({22 * col, 14 * row}, "xy");          // overwrites columns 22 and 23
    page.text({105.0, 148.5}, "middle");            // column 100.5 -> 100, line 75.5 -> 75
    page.text({195 * col, 150 * row}, "0123456789"); // runs past column 200: cut there
    page.text({10.0, 60.0}, "   ");                 // a blank line is dropped
    const QStringList lines = pageAsText(page);
    ASSERT_EQ(lines.size(), 4);
    for (const QString& l : lines) EXPECT_EQ(l.size(), 200);
    EXPECT_EQ(cells(lines[0], 1, 7), "corner ");
    EXPECT_EQ(cells(lines[1], 19, 8), " ABxyEF ");
    EXPECT_EQ(cells(lines[2], 99, 8), " middle ");
    EXPECT_EQ(cells(lines[3], 194, 7), " 012345");
}

TEST(PageAsText, RoundsHalfCellsUp) {
    Page page;
    page.text({0.0, 0.76}, "a");   // 150/297 * 0.76 + 0.5 = 0.88 -> 0 -> at least 1
    page.text({0.0, 2.98}, "b");   // 1.505 + 0.5 = 2.005 -> line 2
    page.text({2.1, 3.95}, "c");   // column 2 + 0.5 -> 2; line 1.995 + 0.5 -> 2 (overwrites nothing of "b")
    const QStringList lines = pageAsText(page);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].trimmed(), "a");
    EXPECT_EQ(cells(lines[1], 1, 3), "bc ");
}

TEST(PageAsText, AlignedTextStartsWhereItIsDrawn) {
    Page page;
    const PageFont font;  // 9 pt: "ABC" is 5 to 9 mm wide
    page.text({10.0, 20.0}, "ABC", font, Align::Right, 100.0);   // ends at 110 mm: starts at 101 to 105 mm
    page.text({10.0, 40.0}, "ABC", font, Align::Centre, 100.0);  // centred on 60 mm: starts at 55.5 to 57.5 mm
    page.text({10.0, 60.0}, "ABC", font, Align::Left, 100.0);    // at 10 mm: column 10
    const QStringList lines = pageAsText(page);
    ASSERT_EQ(lines.size(), 3);
    const auto start = [&](int i) { return lines[i].indexOf("ABC") + 1; };
    EXPECT_GE(start(0), 96);  // 200/210 * 101 + 0.5
    EXPECT_LE(start(0), 100); // 200/210 * 105 + 0.5
    EXPECT_GE(start(1), 53);
    EXPECT_LE(start(1), 55);
    EXPECT_EQ(start(2), 10);
}

TEST(PageAsText, LandscapeAndOffsetPages) {
    Paper paper = Paper::a4Landscape();
    paper.offset = {3 * 297.0 / 200, 2 * 210.0 / 150};
    Page page(paper);
    page.text({148.5, 105.0}, "X");  // the centre: column 100 and line 75, moved by 3 and 2
    const QStringList lines = pageAsText(page);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].indexOf('X') + 1, 103);
}

TEST(PageAsText, WritesEveryPageIntoOneNewFile) {
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("Save.txt"));
    Page one, two;
    one.text({10.0, 10.0}, "prva").text({10.0, 200.0}, "dno");
    two.text({10.0, 50.0}, "druga ščćžđ");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents that must go\n");
    old.close();
    ASSERT_EQ(writePagesAsText({&one, &two}, path), std::nullopt);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].trimmed(), "prva");
    EXPECT_EQ(lines[1].trimmed(), "dno");
    EXPECT_EQ(lines[2].trimmed(), "druga ščćžđ");
    EXPECT_EQ(lines[2].size(), 200);
    EXPECT_TRUE(writePagesAsText({&one}, QString::fromStdString(dir.file("missing/dir/x.txt"))));
}

// A name put in with another tool may hold line breaks, a tab, an escape or a NUL: the text
// file shows each as a visible sign, and the only line breaks are its own.
TEST(PageAsText, ControlCharactersAreShownNotWritten) {
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("n.txt"));
    const char name[] = "Ana\r\nHorvat\tX\x1b[2J\0Y\x7f";
    Page page;
    page.text({10.0, 10.0}, QString::fromUtf8(name, sizeof name - 1));
    ASSERT_EQ(writePagesAsText({&page}, path), std::nullopt);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count('\n'), 1);
    for (char c : bytes) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
    QString shown = "Ana__Horvat_X_[2J_Y_";
    shown.replace('_', QChar::ReplacementCharacter);
    EXPECT_EQ(QString::fromUtf8(bytes).trimmed(), shown);
}

}  // namespace
}  // namespace pramo
