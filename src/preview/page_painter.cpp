#include "preview/page_painter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "preview/text_metrics.h"
#include "records/store/atomic_file.h"

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

namespace {

// Paints the pages into a PDF file at `path`; false when any step fails.
bool paintPdf(const std::vector<const Page*>& pages, const QString& path, const QString& title) {
    QPdfWriter pdf(path);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Pramo"));
    pdf.setPageLayout(pageLayoutOf(*pages.front()));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !(pdf.setPageLayout(pageLayoutOf(*pages[i])) && pdf.newPage())) {
            painter.end();
            return false;
        }
        paintPageFullSize(painter, *pages[i]);
    }
    return painter.end();
}

bool paintSvg(const Page& page, const QString& path, const QString& title) {
    constexpr double dpi = 96.0;
    const QSizeF px = page.size() * (dpi / 25.4);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    svg.setResolution(static_cast<int>(dpi));
    svg.setSize(px.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), px));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paintPage(painter, page, QRectF(QPointF(0, 0), px));
    return painter.end();
}

}  // namespace

bool writePdf(const std::vector<const Page*>& pages, const QString& path, const QString& title) {
    if (pages.empty()) return false;
    return !writeFileAtomically(path.toStdString(), [&](const std::string& temporary) {
        return paintPdf(pages, QString::fromStdString(temporary), title);
    });
}

bool writePdf(const std::vector<Page>& pages, const QString& path, const QString& title) {
    std::vector<const Page*> all;
    for (const Page& p : pages) all.push_back(&p);
    return writePdf(all, path, title);
}

bool writeSvg(const Page& page, const QString& path, const QString& title) {
    return !writeFileAtomically(path.toStdString(), [&](const std::string& temporary) {
        return paintSvg(page, QString::fromStdString(temporary), title);
    });
}

}  // namespace pramo
