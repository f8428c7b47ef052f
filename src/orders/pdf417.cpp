// The PDF417 symbol of the HUB-3 2D code, encoded by libzint.

#include <zint.h>

#include <cmath>
#include <memory>

#include "orders/hub3_code.h"

namespace pramo {
namespace {

constexpr int eccLevel = 4;
constexpr int dataColumns = 9;
constexpr double rowModules = 3.0;  // a row is three modules high

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

int nearest(double v) { return static_cast<int>(std::lround(v)); }

// The symbol's vector output (rectangles in units of its own) as a grid of rows and modules.
PageModules gridOf(const zint_symbol& s) {
    PageModules g{.columns = s.width, .rows = s.rows,
                  .dark = std::vector<bool>(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.rows))};
    const double ux = static_cast<double>(s.vector->width) / s.width;
    const double uy = static_cast<double>(s.vector->height) / s.rows;
    for (const zint_vector_rect* r = s.vector->rectangles; r; r = r->next) {
        for (int row = nearest(r->y / uy); row < nearest((r->y + r->height) / uy) && row < s.rows; ++row) {
            for (int col = nearest(r->x / ux); col < nearest((r->x + r->width) / ux) && col < s.width; ++col) {
                g.dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(s.width) + static_cast<std::size_t>(col)] = true;
            }
        }
    }
    return g;
}

}  // namespace

std::optional<PageModules> pdf417Symbol(std::string_view bytes, const QRectF& area, std::string& error) {
    Symbol s(ZBarcode_Create());
    s->symbology = BARCODE_PDF417;
    s->option_1 = eccLevel;
    s->option_2 = dataColumns;
    s->input_mode = DATA_MODE;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (ZBarcode_Encode_and_Buffer_Vector(s.get(), data, static_cast<int>(bytes.size()), 0) >= ZINT_ERROR) {
        error = s->errtxt;
        return std::nullopt;
    }
    PageModules g = gridOf(*s);
    const double module = std::min(area.width() / g.columns, area.height() / (g.rows * rowModules));
    g.rect = QRectF(area.topLeft(), QSizeF(module * g.columns, module * rowModules * g.rows));
    return g;
}

}  // namespace pramo
