#pragma once
// The two pre-printed forms the orders are printed on: where each field goes, the paper of a
// matrix or a laser printer, and drawing orders onto pages.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

#include "orders/order.h"
#include "preview/page.h"
#include "documents/report_declaration.h"

namespace pramo {

// A field's box on the form, in millimetres from the top-left corner of the order's band. A box
// without a width takes the text's natural size. `firstChars` shows only the start of the field
// (the receipt stub's copy of the reference); 0 shows all of it.
struct Placement {
    Field field;
    double x;
    double y;
    double width = 0.0;
    double height = 0.0;
    std::size_t firstChars = 0;
};

struct FormLayout {
    OrderForm form;
    QPointF body;                     // the body's top-left corner on the paper
    double bandHeight;                // one order
    int ordersPerPage;
    QSizeF matrixPaper;               // a matrix printer's continuous paper
    Paper laserPaper;                 // a laser printer's sheet, large enough for the body
    std::vector<Placement> fields;
    std::optional<QRectF> codeArea{}; // where the form has room for the 2D code
};

const FormLayout& formLayout(OrderForm form);

// The paper of the printer kind: a matrix printer's custom paper with its offsets (mm), or a
// laser printer's sheet without any.
Paper orderPaper(const FormLayout& layout, PrinterKind printer, QPointF offset);

// Draws the order on the page with its band's top-left corner at `corner` (mm from the paper's
// corner). Every text is fitted to its box, in smaller type where it must; only the amount is
// never cut.
void drawOrder(Page& page, const FormLayout& layout, const PaymentOrder& order, QPointF corner);

// The pages of the orders, each on the paper given, as many to a page as the form holds.
std::vector<Page> orderPages(const FormLayout& layout, const Paper& paper, const std::vector<PaymentOrder>& orders);

}  // namespace pramo
