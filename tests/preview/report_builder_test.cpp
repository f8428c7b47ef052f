#include <gtest/gtest.h>

#include "preview/report_builder.h"
#include "preview/text_metrics.h"

namespace pramo {
namespace {

std::vector<TextRun> runsOf(const Page& p) {
    std::vector<TextRun> out;
    for (const PageItem& i : p.items()) {
        if (const auto* t = std::get_if<TextRun>(&i)) out.push_back(*t);
    }
    return out;
}

Band row(int n, double height = 10.0) {
    Band b(height);
    b.text(20.0, 1.0, QString::number(n));
    return b;
}

// A4, margins 10 mm, a 20 mm header and a 10 mm footer: bands go from 30 to 277 mm, 247 mm,
// so 24 bands of 10 mm fit on a page.
ReportBuilder builder() {
    ReportBuilder b(Paper::a4(), 10.0, 10.0);
    b.setPageHeader([](int page) {
        Band h(20.0);
        h.text(10.0, 0.0, QStringLiteral("header %1").arg(page));
        return h;
    });
    b.setCountedPageFooter(10.0, [](int page, int count) {
        Band f;
        f.text(10.0, 2.0, QStringLiteral("%1/%2").arg(page).arg(count));
        return f;
    });
    return b;
}

TEST(ReportBuilder, BreaksPagesWhenTheNextBandDoesNotFit) {
    ReportBuilder b = builder();
    for (int n = 1; n <= 30; ++n) b.add(row(n));
    const std::vector<Page> pages = b.finish();
    ASSERT_EQ(pages.size(), 2u);
    const auto first = runsOf(pages[0]);
    const auto second = runsOf(pages[1]);
    ASSERT_EQ(first.size(), 1u + 24 + 1);
    ASSERT_EQ(second.size(), 1u + 6 + 1);
    EXPECT_EQ(first[0].text, "header 1");
    EXPECT_DOUBLE_EQ(first[0].at.y(), 10.0);
    EXPECT_EQ(first[1].text, "1");
    EXPECT_DOUBLE_EQ(first[1].at.y(), 31.0);
    EXPECT_EQ(first[24].text, "24");
    EXPECT_DOUBLE_EQ(first[24].at.y(), 30.0 + 23 * 10.0 + 1.0);
    EXPECT_EQ(first.back().text, "1/2");
    EXPECT_DOUBLE_EQ(first.back().at.y(), 297.0 - 10.0 - 10.0 + 2.0);
    EXPECT_EQ(second[0].text, "header 2");
    EXPECT_EQ(second[1].text, "25");
    EXPECT_DOUBLE_EQ(second[1].at.y(), 31.0);
    EXPECT_EQ(second.back().text, "2/2");
}

TEST(ReportBuilder, ForcedBreaksAndOversizedBands) {
    ReportBuilder b = builder();
    b.add(row(1));
    b.newPage();
    b.add(row(2, 300.0));  // higher than a page: a page of its own
    b.add(row(3));
    const std::vector<Page> pages = b.finish();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(runsOf(pages[1])[1].text, "2");
    EXPECT_EQ(runsOf(pages[2])[1].text, "3");
    EXPECT_EQ(runsOf(pages[2]).back().text, "3/3");
    EXPECT_TRUE(b.finish().empty());  // the builder starts over
}

TEST(ReportBuilder, WrappedTextGrowsTheBand) {
    const PageFont font;
    Band b(5.0);
    const QString text = QStringLiteral("jedan dva tri četiri pet šest sedam osam devet deset");
    const int lines = b.wrapped(10.0, 2.0, 40.0, text, font);
    ASSERT_GT(lines, 1);
    EXPECT_DOUBLE_EQ(b.height(), 2.0 + lines * lineHeightMm(font));
    QStringList words;
    for (const PageItem& i : b.items()) {
        const auto& run = std::get<TextRun>(i);
        EXPECT_LE(textWidthMm(font, run.text), 40.0) << run.text.toStdString();
        words << run.text;
    }
    EXPECT_EQ(words.join(' '), text);
}

TEST(ReportBuilder, WrapBreaksWordsLongerThanTheWidth) {
    const PageFont font;
    const QStringList lines = wrapText(QString(60, 'W'), font, 30.0);
    ASSERT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()), QString(60, 'W'));
    for (const QString& l : lines) EXPECT_LE(textWidthMm(font, l), 30.0);
    EXPECT_EQ(wrapText(QString(), font, 30.0), QStringList{QString()});
}

// Each text of a page with where it stands.
std::vector<QString> placed(const Page& p) {
    std::vector<QString> out;
    for (const TextRun& t : runsOf(p)) out.push_back(QStringLiteral("%1,%2 %3").arg(t.at.x()).arg(t.at.y()).arg(t.text));
    return out;
}

enum class Foot { None, Numbered, Counted };

// Streamed, a builder whose footer does not show the count (or that has none) hands each page on
// as the next begins, footer filled, the same pages it would have kept; one whose footer shows
// the count keeps them all.
TEST(ReportBuilder, StreamedPagesAreTheKeptOnes) {
    const auto fill = [](ReportBuilder& b) {
        for (int i = 0; i < 60; ++i) b.add(row(i));
    };
    const ReportBuilder::Footer numbered = [](int page) {
        Band f;
        f.text(10.0, 2.0, QStringLiteral("p. %1").arg(page));
        return f;
    };
    for (const Foot foot : {Foot::None, Foot::Numbered, Foot::Counted}) {
        ReportBuilder kept = builder(), streamed = builder();
        for (ReportBuilder* b : {&kept, &streamed}) {
            if (foot != Foot::Counted) b->setPageFooter(10.0, foot == Foot::Numbered ? numbered : nullptr);
        }
        std::vector<Page> handed;
        streamed.streamTo([&](const Page& p) { handed.push_back(p); });
        fill(kept);
        fill(streamed);
        const bool keeps = foot == Foot::Counted;
        const std::vector<Page> all = kept.finish(), left = streamed.finish();
        ASSERT_EQ(all.size(), 3u);
        EXPECT_EQ(handed.size(), keeps ? 0u : 3u) << static_cast<int>(foot);
        EXPECT_EQ(left.size(), keeps ? 3u : 0u) << static_cast<int>(foot);
        const std::vector<Page>& out = keeps ? left : handed;
        for (std::size_t i = 0; i < out.size(); ++i) EXPECT_EQ(placed(out[i]), placed(all[i])) << i;
        // The last text of page 3: its 12th row at 30 + 11 * 10 + 1, or the footer at 277 + 2.
        const char* lastText[] = {"20,141 59", "10,279 p. 3", "10,279 3/3"};
        EXPECT_EQ(placed(all[2]).back(), QString::fromLatin1(lastText[static_cast<int>(foot)]));
    }
}

}  // namespace
}  // namespace pramo
