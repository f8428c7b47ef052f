#include "preview/page_text.h"

#include <algorithm>

#include "preview/text_metrics.h"
#include "records/store/atomic_file.h"

namespace pramo {
namespace {

// Grid cell (from 1) of a position: the whole part of scale * position + 0.5, at least 1.
int cellOf(double position, double cells, double extent) {
    return std::max(1, static_cast<int>(cells / extent * position + 0.5));
}

void writeRun(QStringList& grid, const TextRun& run, const Page& page) {
    const QPointF offset = page.paper().offset;
    const int line = cellOf(run.at.y() + offset.y(), textPageLines, page.size().height());
    const int column = cellOf(textLeftMm(run) + offset.x(), textPageColumns, page.size().width());
    if (line > textPageLines || column > textPageColumns) return;  // off the page
    QString& row = grid[line - 1];
    const QString text = run.text.left(textPageColumns - column + 1);
    row.replace(column - 1, text.size(), text);
}

}  // namespace

QStringList pageAsText(const Page& page) {
    QStringList grid;
    for (int i = 0; i < textPageLines; ++i) grid << QString(textPageColumns, QLatin1Char(' '));
    for (const PageItem& item : page.items()) {
        if (const auto* run = std::get_if<TextRun>(&item)) writeRun(grid, *run, page);
    }
    grid.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return grid;
}

WriteOutcome writePagesAsText(const std::vector<const Page*>& pages, const QString& path) {
    QByteArray content;
    for (const Page* page : pages) {
        for (const QString& line : pageAsText(*page)) content += (line + QLatin1Char('\n')).toUtf8();
    }
    return writeFileAtomically(path.toStdString(), std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
}

WriteOutcome writeLinesAsText(const std::vector<std::string>& lines, const QString& path) {
    std::string content;
    for (const std::string& line : lines) content += line + '\n';
    return writeFileAtomically(path.toStdString(), content);
}

}  // namespace pramo
