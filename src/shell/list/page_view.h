#pragma once
// The table widget of a list: it shows exactly the rows of the list's page (no scrolling of its
// own; the list moves its page instead) and tells how many rows fit.

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

#include "shell/list/list_page.h"

namespace pramo {

class PageModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PageModel(const ListPage& page, QStringList titles, std::vector<Qt::Alignment> alignments, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void reload();  // after the page changed

private:
    const ListPage& page_;
    QStringList titles_;
    std::vector<Qt::Alignment> alignments_;
    int shown_ = 0;  // rows the view knows of
};

class PageView : public QTableView {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    int rowsThatFit() const;
    // As wide as its columns, a dozen rows high.
    QSize sizeHint() const override;
    void highlight(int row);  // the highlighted row (none when row < 0)

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace pramo
