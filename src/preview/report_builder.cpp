#include "preview/report_builder.h"

#include <algorithm>

#include "preview/text_metrics.h"

namespace pramo {
namespace {

QPointF moved(QPointF p, double dy) { return {p.x(), p.y() + dy}; }

PageItem movedDown(PageItem item, double dy) {
    if (auto* t = std::get_if<TextRun>(&item)) t->at = moved(t->at, dy);
    if (auto* l = std::get_if<PageLine>(&item)) {
        l->from = moved(l->from, dy);
        l->to = moved(l->to, dy);
    }
    if (auto* b = std::get_if<PageBox>(&item)) b->rect.translate(0.0, dy);
    if (auto* g = std::get_if<PageModules>(&item)) g->rect.translate(0.0, dy);
    return item;
}

}  // namespace

Band& Band::text(double x, double y, QString text, const PageFont& font, Align align, double width) {
    items_.emplace_back(TextRun{QPointF(x, y), std::move(text), font, align, width});
    grow(y + lineHeightMm(font));
    return *this;
}

Band& Band::fitted(double x, double y, QString text, const PageFont& font, Align align, double width) {
    const PageFont shown = fittedFont(font, text, width);
    grow(y + lineHeightMm(font));
    return this->text(x, y + (lineHeightMm(font) - lineHeightMm(shown)) / 2.0, std::move(text), shown, align, width);
}

Band& Band::line(double x1, double y1, double x2, double y2, double pen) {
    items_.emplace_back(PageLine{QPointF(x1, y1), QPointF(x2, y2), pen});
    grow(std::max(y1, y2));
    return *this;
}

Band& Band::box(QRectF rect, double pen, double shade) {
    items_.emplace_back(PageBox{rect, pen, shade});
    grow(rect.bottom());
    return *this;
}

int Band::wrapped(double x, double y, double width, const QString& text, const PageFont& font) {
    const QStringList lines = wrapText(text, font, width);
    const double step = lineHeightMm(font);
    for (int i = 0; i < lines.size(); ++i) this->text(x, y + i * step, lines[i], font);
    return static_cast<int>(lines.size());
}

void Band::placeOn(Page& page, double top) const {
    for (const PageItem& item : items_) page.add(movedDown(item, top));
}

void Band::grow(double bottom) {
    height_ = std::max(height_, bottom);
}

void ReportBuilder::setPageFooter(double height, Footer footer) {
    footerHeight_ = height;
    footer_ = footer ? CountedFooter([footer = std::move(footer)](int page, int) { return footer(page); }) : nullptr;
    countsPages_ = false;
}

void ReportBuilder::setCountedPageFooter(double height, CountedFooter footer) {
    footerHeight_ = height;
    countsPages_ = static_cast<bool>(footer);
    footer_ = std::move(footer);
}

void ReportBuilder::add(const Band& band) {
    const bool fits = y_ + band.height() <= bodyBottom() + 1e-9;
    if (pages_.empty() || breakPending_ || (!fits && pageHasBody_)) startPage();
    band.placeOn(pages_.back(), y_);
    y_ += band.height();
    pageHasBody_ = true;
}

void ReportBuilder::newPage() {
    breakPending_ = true;
}

Page& ReportBuilder::page() {
    if (pages_.empty() || breakPending_) startPage();
    return pages_.back();
}

std::vector<Page> ReportBuilder::finish() {
    closePage();
    const int count = pageCount();
    for (int i = 0; countsPages_ && i < count; ++i) placeFooter(pages_[static_cast<std::size_t>(i)], i + 1, count);
    std::vector<Page> out = std::move(pages_);
    pages_.clear();
    handedOn_ = 0;
    y_ = 0.0;
    pageHasBody_ = breakPending_ = false;
    return out;
}

void ReportBuilder::startPage() {
    closePage();
    pages_.emplace_back(paper_);
    y_ = top_;
    pageHasBody_ = breakPending_ = false;
    if (!header_) return;
    const Band header = header_(pageCount());
    header.placeOn(pages_.back(), y_);
    y_ += header.height();
}

void ReportBuilder::closePage() {
    if (pages_.empty()) return;
    if (footer_ && !countsPages_) placeFooter(pages_.back(), pageCount(), pageCount());
    if (!streaming()) return;
    for (const Page& p : pages_) sink_(p);
    handedOn_ += static_cast<int>(pages_.size());
    pages_.clear();
}

void ReportBuilder::placeFooter(Page& page, int n, int count) const {
    footer_(n, count).placeOn(page, paper_.pageSize().height() - bottom_ - footerHeight_);
}

double ReportBuilder::bodyBottom() const {
    return paper_.pageSize().height() - bottom_ - footerHeight_;
}

}  // namespace pramo
