#include "preview/page_numbers.h"

namespace pramo {
namespace {

bool replaceFirstPlaceholder(Page& page, const QString& replacement) {
    for (PageItem& item : page.items()) {
        auto* run = std::get_if<TextRun>(&item);
        if (!run) continue;
        const auto at = run->text.indexOf(pageNumberPlaceholder);
        if (at < 0) continue;
        run->text.replace(at, pageNumberPlaceholder.size(), replacement);
        return true;
    }
    return false;
}

}  // namespace

QString pageNumberText(int n, int count) {
    const QString text = QStringLiteral("Page %1 of %2").arg(n).arg(count);
    const auto width = pageNumberPlaceholder.size();
    if (text.size() >= width) return text;
    const auto left = (width - text.size()) / 2;
    return QString(left, QLatin1Char(' ')) + text.leftJustified(width - left, QLatin1Char(' '));
}

void numberPages(std::vector<Page>& pages) {
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) replaceFirstPlaceholder(pages[static_cast<std::size_t>(i)], pageNumberText(i + 1, count));
}

}  // namespace pramo
