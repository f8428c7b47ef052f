#include "preview/text_metrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <deque>
#include <utility>

namespace pramo {
namespace {

constexpr double pixelsPerPoint = 100.0;  // measures are taken at a large size, then scaled
constexpr double mmPerPoint = 25.4 / 72.0;

// The metrics of a font, looked up once per thread: a report measures the same few fonts for
// every line it places, and finding a font is far dearer than measuring with it.
const QFontMetricsF& metricsOf(const PageFont& font) {
    thread_local std::deque<std::pair<PageFont, QFontMetricsF>> known;  // a deque keeps references valid
    for (const auto& [f, metrics] : known) {
        if (f == font) return metrics;
    }
    QFont f = qtFont(font);
    f.setPixelSize(static_cast<int>(font.points * pixelsPerPoint + 0.5));
    return known.emplace_back(font, QFontMetricsF(f)).second;
}

double toMm(double pixels) { return pixels / pixelsPerPoint * mmPerPoint; }

// The longest prefix of `word` that fits `width` (at least one character).
int fittingPrefix(const QString& word, const QFontMetricsF& fm, double widthPx) {
    int n = 1;
    while (n < word.size() && fm.horizontalAdvance(word.left(n + 1)) <= widthPx) ++n;
    return n;
}

void wrapParagraph(const QString& paragraph, const QFontMetricsF& fm, double widthPx, QStringList& out) {
    QString line;
    for (QString word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fm.horizontalAdvance(joined) <= widthPx) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) out << line;
        while (fm.horizontalAdvance(word) > widthPx) {
            const int n = fittingPrefix(word, fm, widthPx);
            out << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    out << line;
}

}  // namespace

QFont qtFont(const PageFont& font) {
    QFont f(font.family);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

double textWidthMm(const PageFont& font, const QString& text) {
    return toMm(metricsOf(font).horizontalAdvance(text));
}

double lineHeightMm(const PageFont& font) {
    return toMm(metricsOf(font).height());
}

PageFont fittedFont(const PageFont& font, const QString& text, double width) {
    const double natural = textWidthMm(font, text);
    if (natural <= width) return font;
    // In whole tenths of a point, from the size the width scales to down until the text fits.
    auto tenths = static_cast<int>(std::floor(font.points * std::max(width, 0.0) / natural * 10.0 + 1e-9));
    tenths = std::max(tenths, 1);
    while (tenths > 1 && textWidthMm(font.sized(tenths / 10.0), text) > width) --tenths;
    return font.sized(tenths / 10.0);
}

double textLeftMm(const TextRun& run) {
    if (run.align == Align::Left || run.width <= 0.0) return run.at.x();
    const double free = run.width - textWidthMm(run.font, run.text);
    return run.at.x() + (run.align == Align::Right ? free : free / 2.0);
}

QStringList wrapText(const QString& text, const PageFont& font, double width) {
    const QFontMetricsF fm = metricsOf(font);
    const double widthPx = width / mmPerPoint * pixelsPerPoint;
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) wrapParagraph(paragraph, fm, widthPx, lines);
    while (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace pramo
