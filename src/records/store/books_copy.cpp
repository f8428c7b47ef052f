// Stand-in until the copy of whole books lands with the store's seam.
#include "records/store/books_copy.h"

namespace pramo {

BooksCopy copyBooks(Store&, Store&, const std::vector<const TableDef*>&) {
    return {StoreCode::FileSystem, "kopiranje knjiga još nije ugrađeno", 0};
}

}  // namespace pramo
