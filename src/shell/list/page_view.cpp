#include "shell/list/page_view.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>

namespace pramo {

PageModel::PageModel(const ListPage& page, QStringList titles, std::vector<Qt::Alignment> alignments, QObject* parent)
    : QAbstractTableModel(parent), page_(page), titles_(std::move(titles)), alignments_(std::move(alignments)) {}

int PageModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

int PageModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(titles_.size()); }

QVariant PageModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    const auto col = static_cast<std::size_t>(index.column());
    if (row >= page_.rows().size() || col >= alignments_.size()) return {};
    if (role == Qt::DisplayRole) {
        const auto& cells = page_.rows()[row].cells;
        return col < cells.size() ? QString::fromStdString(cells[col]) : QString();
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignments_[col] | Qt::AlignVCenter);
    return {};
}

QVariant PageModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= titles_.size()) return {};
    return titles_[section];
}

// The rows are the page's slots: they are added or removed at the foot and their contents
// change, so that the view keeps its current and pressed row across a refresh.
void PageModel::reload() {
    const int rows = static_cast<int>(page_.rows().size());
    if (rows > shown_) {
        beginInsertRows({}, shown_, rows - 1);
        shown_ = rows;
        endInsertRows();
    } else if (rows < shown_) {
        beginRemoveRows({}, rows, shown_ - 1);
        shown_ = rows;
        endRemoveRows();
    }
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
}

PageView::PageView(QWidget* parent) : QTableView(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
}

QSize PageView::sizeHint() const {
    constexpr int rows = 12;
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; model() && c < model()->columnCount(); ++c) width += columnWidth(c);
    return {width, horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth()};
}

int PageView::rowsThatFit() const {
    const int rowHeight = verticalHeader()->defaultSectionSize();
    return std::max(1, viewport()->height() / std::max(1, rowHeight));
}

void PageView::highlight(int row) {
    if (row < 0 || !model() || row >= model()->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void PageView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (event->size().height() != event->oldSize().height()) emit resized();
}

}  // namespace pramo
