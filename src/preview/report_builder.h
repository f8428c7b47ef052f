#pragma once
// Building report pages from bands: a band is a strip of the page with items placed in it; the
// builder stacks bands down the page between the page header and footer and starts a new page
// when the next band does not fit. Forms that place everything themselves draw on page() directly.

#include <functional>
#include <vector>

#include "preview/page.h"
#include "preview/page_sink.h"

namespace pramo {

class Band {
public:
    explicit Band(double height = 0.0) : height_(height) {}

    // Positions are millimetres: x from the page's left edge, y from the band's top.
    Band& text(double x, double y, QString text, const PageFont& font = {}, Align align = Align::Left, double width = 0.0);
    // One line of text aligned in `width`, in smaller type where it is wider (fittedFont), on the
    // same middle line: it is never cut and never runs into what stands beside it.
    Band& fitted(double x, double y, QString text, const PageFont& font, Align align, double width);
    Band& line(double x1, double y1, double x2, double y2, double pen = 0.2);
    Band& box(QRectF rect, double pen = 0.2, double shade = 0.0);
    // Text broken into lines that fit `width`, one under the other; the band grows to hold them.
    // Answers the number of lines.
    int wrapped(double x, double y, double width, const QString& text, const PageFont& font = {});

    double height() const { return height_; }
    void setHeight(double height) { height_ = height; }
    const std::vector<PageItem>& items() const { return items_; }

    // Puts the band's items on the page with its top at `top`.
    void placeOn(Page& page, double top) const;

private:
    void grow(double bottom);

    double height_;
    std::vector<PageItem> items_;
};

class ReportBuilder {
public:
    using Header = std::function<Band(int page)>;
    using Footer = std::function<Band(int page)>;
    using CountedFooter = std::function<Band(int page, int count)>;

    explicit ReportBuilder(Paper paper = Paper::a4(), double topMargin = 10.0, double bottomMargin = 10.0)
        : paper_(paper), top_(topMargin), bottom_(bottomMargin) {}

    // Drawn at the top of every page.
    void setPageHeader(Header header) { header_ = std::move(header); }
    // Drawn at the foot of every page, `height` high, filled as the page is finished (when the
    // next one begins, or at finish()).
    void setPageFooter(double height, Footer footer);
    // The same for a footer that shows the page count: filled when the report is finished, so the
    // builder keeps every page until then.
    void setCountedPageFooter(double height, CountedFooter footer);

    // Stacks the band under the previous one, on a new page when it does not fit. A band higher
    // than a whole page goes onto a page of its own and runs past its foot.
    void add(const Band& band);
    // The next band starts a new page.
    void newPage();
    // Hands each page to `sink` once the next one begins, and the last at finish(), instead of
    // keeping them; finish() then answers none. A builder with a counted footer keeps its pages
    // all the same: the footer is filled when the count is known. No sink: pages are kept.
    void streamTo(PageSink sink) { sink_ = std::move(sink); }
    // The page being filled (a new one when none is), for drawing on it directly.
    Page& page();
    int pageCount() const { return handedOn_ + static_cast<int>(pages_.size()); }

    // The finished pages with their footers; the builder is empty afterwards.
    std::vector<Page> finish();

private:
    void startPage();
    bool streaming() const { return sink_ && !countsPages_; }
    // Fills the last page's footer when it does not show the count, and hands it on when streaming.
    void closePage();
    void placeFooter(Page& page, int n, int count) const;
    double bodyBottom() const;

    Paper paper_;
    double top_;
    double bottom_;
    Header header_;
    CountedFooter footer_;
    bool countsPages_ = false;  // the footer shows the page count
    double footerHeight_ = 0.0;
    std::vector<Page> pages_;
    PageSink sink_;
    int handedOn_ = 0;      // pages given to the sink
    double y_ = 0.0;        // where the next band goes on the last page
    bool pageHasBody_ = false;
    bool breakPending_ = false;
};

}  // namespace pramo
