#pragma once
// A list screen: the declared list with the lists linked to it (a list shown on a tab whose
// highlighted record limits the main list, and lists below it limited by the main list's
// highlighted record). Started from the menu it is a plain list in a child window; opened for
// selection it runs modally and hands back the record chosen.

#include <QWidget>
#include <vector>

#include "shell/app_context.h"
#include "shell/list/list_declaration.h"
#include "shell/form/record_buffer.h"

namespace pramo {

class ListPanel;

class ListScreen : public QWidget {
    Q_OBJECT
public:
    // `request` is None (plain list) or Select; a selecting list opens at the first record at or
    // after `buffer`'s key values and puts the chosen record into it.
    ListScreen(AppContext& ctx, const ListSpec& spec, Request request = Request::None, RecordBuffer* buffer = nullptr,
               QWidget* parent = nullptr);

    ListPanel* panel() const { return main_; }
    ListPanel* panelOf(const ListSpec& spec) const;  // the main list or one linked to it
    Response response() const { return response_; }
    // A choice from a list with nothing in it: the form enters the first record, which is chosen
    // once saved; false (nothing done) when the list holds records or takes none.
    bool enterFirstToChoose();

signals:
    void finished();

protected:
    // The first show places the window as it was last time (or wide enough for its columns) and
    // puts the focus on the rows; hiding remembers where it was.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void link(ListPanel* panel, ListPanel* source);
    void showMastersOf(int tab);
    void choose();
    void finish(Response response);

    AppContext& ctx_;
    RecordBuffer* buffer_;
    Response response_ = Response::Cancelled;
    ListPanel* main_ = nullptr;
    std::vector<ListPanel*> panels_;
    bool finished_ = false;
    bool placed_ = false;
    QString memoryKey_;  // where the window's place is remembered
};

// Opens `spec` for selection on the record in `buffer`; Completed with the chosen record in
// `buffer`, or Cancelled with `buffer` as it was. A faulty declaration is reported (Cancelled).
Response selectRecord(AppContext& ctx, const ListSpec& spec, RecordBuffer& buffer, QWidget* parent);

template <class R>
Response selectRecord(AppContext& ctx, const ListSpec& spec, R& rec, QWidget* parent) {
    RecordBuffer buffer(R::table);
    buffer.copyFrom(rec);
    const Response r = selectRecord(ctx, spec, buffer, parent);
    buffer.copyTo(rec);
    return r;
}

// The list registered to choose a record of `table` from (ScreenRegistry::chooser); null when
// none is.
const ListSpec* registeredChooser(const AppContext& ctx, const TableDef& table);

// Opens that list for selection on `rec`, as selectRecord; Cancelled when there is none.
template <class R>
Response chooseRecord(AppContext& ctx, R& rec, QWidget* parent) {
    const ListSpec* list = registeredChooser(ctx, R::table);
    return list ? selectRecord(ctx, *list, rec, parent) : Response::Cancelled;
}

// The window of a list started from the menu (a plain list); null when its declaration, or one it
// leads to, is faulty (which has been reported).
QWidget* openList(AppContext& ctx, const ListSpec& spec);

}  // namespace pramo
