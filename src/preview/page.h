#pragma once
// A finished report page in the program's own device-free form: text runs, lines, boxes and the
// module grids of 2D codes at millimetre positions on a sheet of paper. Reports build pages; one
// painter draws them on any device, and the text export reads the same objects.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <variant>
#include <vector>

namespace pramo {

enum class Orientation { Portrait, Landscape };
enum class Align { Left, Centre, Right };

// The sheet a page is printed on. `size` is the paper as it comes out of the printer (portrait);
// a landscape page is drawn on it turned. A custom sheet (the continuous paper of a matrix printer)
// is passed to the printer by its size, not by a standard name. `offset` moves everything on the
// page, for printers that do not print where they are told.
struct Paper {
    QSizeF size{210.0, 297.0};
    Orientation orientation = Orientation::Portrait;
    bool custom = false;
    QPointF offset{0.0, 0.0};

    // Width and height of the page as it is read (turned when landscape).
    QSizeF pageSize() const {
        return orientation == Orientation::Landscape ? size.transposed() : size;
    }
    static Paper a4() { return {}; }
    static Paper a4Landscape() { return {QSizeF(210.0, 297.0), Orientation::Landscape}; }
};

struct PageFont {
    QString family = QStringLiteral("DejaVu Sans");
    double points = 9.0;
    bool bold = false;
    bool italic = false;

    PageFont sized(double pt) const { PageFont f = *this; f.points = pt; return f; }
    PageFont asBold() const { PageFont f = *this; f.bold = true; return f; }
    friend bool operator==(const PageFont&, const PageFont&) = default;
};

// One line of text. `at` is the top left of the text's box; with a width the text is aligned in
// it, without one it starts at `at`.
struct TextRun {
    QPointF at;
    QString text;
    PageFont font;
    Align align = Align::Left;
    double width = 0.0;
};

struct PageLine {
    QPointF from;
    QPointF to;
    double pen = 0.2;  // line width in mm
};

// A rectangle: framed when pen > 0, filled with grey when shade > 0 (0 white .. 1 black).
struct PageBox {
    QRectF rect;
    double pen = 0.2;
    double shade = 0.0;
};

// A two-dimensional code drawn into `rect`: a grid of `columns` by `rows` modules, each module
// rect.width() / columns wide and rect.height() / rows high (modules need not be square), dark
// where `dark` (row by row) says so. The painter draws it as filled rectangles, so it prints as
// sharply as text on any device.
struct PageModules {
    QRectF rect;
    int columns = 0;
    int rows = 0;
    std::vector<bool> dark;

    bool isDark(int row, int column) const {
        return dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column)];
    }
};

using PageItem = std::variant<TextRun, PageLine, PageBox, PageModules>;

// The text with every control character (a stored name may hold a line break, a tab, an escape
// or a NUL put in with another tool) replaced by a visible sign, so that no page, text file or
// PDF carries it raw. Every text run on a page passes through it.
QString visibleText(QString text);

class Page {
public:
    Page() = default;
    explicit Page(Paper paper) : paper_(paper) {}

    const Paper& paper() const { return paper_; }
    QSizeF size() const { return paper_.pageSize(); }

    Page& text(QPointF at, QString text, const PageFont& font = {}, Align align = Align::Left, double width = 0.0);
    Page& line(QPointF from, QPointF to, double pen = 0.2);
    Page& box(QRectF rect, double pen = 0.2, double shade = 0.0);
    Page& add(PageItem item);  // a text run's text is made visible (visibleText)

    // In drawing order: later items are drawn over earlier ones.
    const std::vector<PageItem>& items() const { return items_; }
    std::vector<PageItem>& items() { return items_; }

private:
    Paper paper_;
    std::vector<PageItem> items_;
};

}  // namespace pramo
