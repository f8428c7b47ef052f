// The PDF417 symbol of the HUB-3 2D code, encoded by libzint.

#include <zint.h>

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

// The encoded symbol as a grid: zint keeps each row as a bit array, eight modules to a byte with
// the first module in the lowest bit (rows of up to 1152 modules).
PageModules gridOf(const zint_symbol& s) {
    PageModules g{.columns = s.width, .rows = s.rows,
                  .dark = std::vector<bool>(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.rows))};
    for (int row = 0; row < s.rows; ++row) {
        for (int col = 0; col < s.width; ++col) {
            const bool dark = (s.encoded_data[row][col >> 3] >> (col & 7)) & 1;
            g.dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(s.width) + static_cast<std::size_t>(col)] = dark;
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
    if (ZBarcode_Encode(s.get(), data, static_cast<int>(bytes.size())) >= ZINT_ERROR) {
        error = s->errtxt;
        return std::nullopt;
    }
    PageModules g = gridOf(*s);
    const double module = std::min(area.width() / g.columns, area.height() / (g.rows * rowModules));
    g.rect = QRectF(area.topLeft(), QSizeF(module * g.columns, module * rowModules * g.rows));
    return g;
}

}  // namespace pramo
