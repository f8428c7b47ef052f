#include "documents/page_dump.h"

#include <QStringList>
#include <sstream>

#include "preview/page_text.h"

namespace pramo::test {
namespace {

// Millimetres to a hundredth; a negative zero reads as zero.
std::string mm(double v) {
    const QString s = QString::number(v, 'f', 2);
    return (s == "-0.00" ? QStringLiteral("0.00") : s).toStdString();
}

std::string rect(const QRectF& r) { return mm(r.left()) + " " + mm(r.top()) + " " + mm(r.width()) + " " + mm(r.height()); }

std::string font(const PageFont& f) {
    return f.family.toStdString() + " " + mm(f.points) + (f.bold ? " bold" : "") + (f.italic ? " italic" : "");
}

const char* alignment(Align a) { return a == Align::Left ? "left" : a == Align::Centre ? "centre" : "right"; }

// The modules' pattern as one number (FNV-1a over the dark bits, row by row).
std::uint64_t pattern(const PageModules& m) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const bool dark : m.dark) h = (h ^ (dark ? 1U : 0U)) * 1099511628211ULL;
    return h;
}

struct ItemText {
    std::ostringstream& out;
    void operator()(const TextRun& t) const {
        out << "text " << mm(t.at.x()) << " " << mm(t.at.y()) << " width " << mm(t.width) << " " << alignment(t.align)
            << " [" << font(t.font) << "] \"" << t.text.toStdString() << "\"\n";
    }
    void operator()(const PageLine& l) const {
        out << "line " << mm(l.from.x()) << " " << mm(l.from.y()) << " " << mm(l.to.x()) << " " << mm(l.to.y()) << " pen "
            << mm(l.pen) << "\n";
    }
    void operator()(const PageBox& b) const {
        out << "box " << rect(b.rect) << " pen " << mm(b.pen) << " shade " << mm(b.shade) << "\n";
    }
    void operator()(const PageModules& m) const {
        out << "modules " << rect(m.rect) << " " << m.columns << "x" << m.rows << " pattern " << pattern(m) << "\n";
    }
};

void dumpPage(std::ostringstream& out, const Page& page, std::size_t number) {
    const Paper& p = page.paper();
    out << "== page " << number << ": paper " << mm(p.size.width()) << " x " << mm(p.size.height())
        << (p.orientation == Orientation::Landscape ? " landscape" : " portrait") << (p.custom ? " custom" : "")
        << " offset " << mm(p.offset.x()) << " " << mm(p.offset.y()) << "\n";
    for (QString line : pageAsText(page)) {
        while (line.endsWith(' ')) line.chop(1);
        out << "| " << line.toStdString() << "\n";
    }
    for (const PageItem& item : page.items()) std::visit(ItemText{out}, item);
}

}  // namespace

std::string dumpPages(const std::vector<Page>& pages) {
    std::ostringstream out;
    for (std::size_t i = 0; i < pages.size(); ++i) dumpPage(out, pages[i], i + 1);
    return out.str();
}

std::string firstDifference(const std::string& expected, const std::string& drawn) {
    std::istringstream a(expected), b(drawn);
    std::string la, lb;
    for (int n = 1;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, la)), moreB = static_cast<bool>(std::getline(b, lb));
        if (!moreA && !moreB) return {};
        if (!moreA || !moreB || la != lb)
            return "line " + std::to_string(n) + ":\n  expected " + (moreA ? la : "(end)") + "\n  drawn    " + (moreB ? lb : "(end)");
    }
}

}  // namespace pramo::test
