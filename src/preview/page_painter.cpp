#include "preview/page_painter.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <functional>

#include "preview/text_metrics.h"

namespace pramo {
namespace {

// Maps page millimetres to device units, with the paper's offset.
struct Mapping {
    QRectF target;
    double scale;  // device units per mm
    QPointF offset;

    QPointF at(QPointF mm) const { return target.topLeft() + (mm + offset) * scale; }
    QRectF rect(QRectF mm) const { return {at(mm.topLeft()), mm.size() * scale}; }
};

QPen penOf(double widthMm, const Mapping& m) {
    QPen pen(Qt::black);
    pen.setWidthF(widthMm * m.scale);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void draw(QPainter& p, const PageLine& l, const Mapping& m) {
    p.setPen(penOf(l.pen, m));
    p.drawLine(m.at(l.from), m.at(l.to));
}

void draw(QPainter& p, const PageBox& b, const Mapping& m) {
    const int grey = static_cast<int>(255.0 * (1.0 - b.shade) + 0.5);
    p.setBrush(b.shade > 0.0 ? QBrush(QColor(grey, grey, grey)) : QBrush(Qt::NoBrush));
    p.setPen(b.pen > 0.0 ? penOf(b.pen, m) : QPen(Qt::NoPen));
    p.drawRect(m.rect(b.rect));
}

void draw(QPainter& p, const TextRun& t, const Mapping& m) {
    const double deviceDpi = p.device()->logicalDpiY();
    const double points = t.font.points * 25.4 * m.scale / deviceDpi;  // the size on this device
    if (points <= 0.0 || t.text.isEmpty()) return;
    QFont font = qtFont(t.font);
    font.setPointSizeF(points);
    p.setFont(font);
    p.setPen(Qt::black);
    const double height = lineHeightMm(t.font);
    const double width = t.width > 0.0 ? t.width : textWidthMm(t.font, t.text) + height;
    const int align = t.align == Align::Right ? Qt::AlignRight : t.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    const QRectF box = m.rect(QRectF(t.at, QSizeF(width, height)));
    p.drawText(box, align | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, t.text);
}

// Each run of dark modules in a row is one filled rectangle, drawn without antialiasing so that
// neighbouring runs leave no pale seams for a scanner to stumble on.
void draw(QPainter& p, const PageModules& g, const Mapping& m) {
    if (g.columns <= 0 || g.rows <= 0) return;
    const double w = g.rect.width() / g.columns, h = g.rect.height() / g.rows;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns;) {
            if (!g.isDark(r, c)) { ++c; continue; }
            const int start = c;
            while (c < g.columns && g.isDark(r, c)) ++c;
            p.drawRect(m.rect(QRectF(g.rect.left() + start * w, g.rect.top() + r * h, (c - start) * w, h)));
        }
    }
    p.restore();
}

}  // namespace

void paintPage(QPainter& painter, const Page& page, const QRectF& target) {
    const Mapping m{target, target.width() / page.size().width(), page.paper().offset};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageItem& item : page.items()) std::visit([&](const auto& i) { draw(painter, i, m); }, item);
    painter.restore();
}

void paintPageFullSize(QPainter& painter, const Page& page) {
    const QPaintDevice* d = painter.device();
    const QSizeF mm = page.size();
    paintPage(painter, page, QRectF(0, 0, mm.width() * d->logicalDpiX() / 25.4, mm.height() * d->logicalDpiY() / 25.4));
}

QPageLayout pageLayoutOf(const Page& page) {
    const Paper& paper = page.paper();
    const QPageSize size = paper.custom ? QPageSize(paper.size, QPageSize::Millimeter, QStringLiteral("Custom"),
                                                    QPageSize::ExactMatch)
                                        : QPageSize(paper.size, QPageSize::Millimeter);
    const auto orientation = paper.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PagedPainter::paint(const Page& page) {
    if (!ok_) return;
    // A printer may refuse a paper it does not have and print on its own: not a failure.
    (void)device_.setPageLayout(pageLayoutOf(page));
    ok_ = pages_++ == 0 ? painter_.begin(&device_) : device_.newPage();
    if (ok_) paintPageFullSize(painter_, page);
}

bool PagedPainter::end() {
    if (!painter_.isActive()) return false;
    return painter_.end() && ok_;
}

bool paintPages(QPagedPaintDevice& device, const std::vector<const Page*>& pages) {
    PagedPainter painter(device);
    for (const Page* page : pages) painter.paint(*page);
    return painter.end();
}

namespace {

bool paintSvg(const Page& page, const QString& title, QByteArray& out) {
    constexpr double dpi = 96.0;
    const QSizeF px = page.size() * (dpi / 25.4);
    QBuffer buffer(&out);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(title);
    svg.setResolution(static_cast<int>(dpi));
    svg.setSize(px.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), px));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paintPage(painter, page, QRectF(QPointF(0, 0), px));
    return painter.end() && !out.isEmpty();
}

// Writes bytes made by `paint` to `path`, refusing an unsafe target before painting.
WriteOutcome writePainted(const QString& path, const std::function<bool(QByteArray&)>& paint) {
    const std::string target = path.toStdString();
    if (auto refused = checkWritableTarget(target)) return refused;
    QByteArray bytes;
    if (!paint(bytes)) return FileProblem{FileProblem::Kind::NotWritten, target, 0};
    return writeFileAtomically(target, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

WriteOutcome writePdf(const std::vector<const Page*>& pages, const QString& path, const QString& title) {
    return writePdf([&](const PageSink& sink) {
        for (const Page* p : pages) sink(*p);
        return !pages.empty();
    }, path, title);
}

WriteOutcome writePdf(const std::vector<Page>& pages, const QString& path, const QString& title) {
    std::vector<const Page*> all;
    for (const Page& p : pages) all.push_back(&p);
    return writePdf(all, path, title);
}

WriteOutcome writePdf(const MakePages& make, const QString& path, const QString& title) {
    return writeFileAtomically(path.toStdString(), [&](const std::string& temporary) {
        QFile file(QString::fromStdString(temporary));
        if (!file.open(QIODevice::WriteOnly)) return false;
        bool painted = false;
        {
            QPdfWriter pdf(&file);
            pdf.setTitle(title);
            pdf.setCreator(QStringLiteral("Pramo"));
            PagedPainter painter(pdf);
            const bool made = make([&](const Page& page) { painter.paint(page); });
            painted = painter.end() && made;
        }
        return painted && file.flush() && file.error() == QFileDevice::NoError;
    });
}

WriteOutcome writeSvg(const Page& page, const QString& path, const QString& title) {
    return writePainted(path, [&](QByteArray& out) { return paintSvg(page, title, out); });
}

}  // namespace pramo
