#pragma once
// One list of a list screen, run from its declaration: the tabs (sorts), the page of rows with
// its scroll thumb, the locators, the buttons and popup menu, and the calls of its form. It holds
// only the page it shows; every move reads the store by key.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "shell/app_context.h"
#include "shell/screen_files.h"
#include "shell/list/list_page.h"
#include "shell/list/list_declaration.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTabBar;

namespace pramo {

class PageModel;
class PageView;

class ListPanel : public QWidget {
    Q_OBJECT
public:
    ListPanel(AppContext& ctx, const ListSpec& spec, bool selecting, QWidget* parent = nullptr);
    ~ListPanel() override;

    AppContext& context() const { return ctx_; }
    const ListSpec& spec() const { return spec_; }
    bool selecting() const { return selecting_; }
    const ListPage& page() const { return page_; }
    const RecordBuffer* highlightedRecord() const;  // null when the list shows nothing
    // The highlighted record as its declared type (R must be the list's file); null when none.
    template <Record R> const R* highlighted() const {
        const RecordBuffer* rec = highlightedRecord();
        return rec && &rec->table() == &R::table ? &rec->as<R>() : nullptr;
    }
    // What has been typed so far into the current tab's incremental locator.
    const std::string& typedText() const { return locatorTexts_[static_cast<std::size_t>(tab_)]; }
    int currentTab() const { return tab_; }
    void setCurrentTab(int tab);
    PageView* view() const { return view_; }
    QScrollBar* thumbBar() const { return thumb_; }
    QPushButton* button(ListButton which) const;
    QLineEdit* locatorEntry() const { return entry_; }
    // The value shown under the rows for `below` entry `i` of the declaration.
    QLabel* belowValue(std::size_t i) const { return i < below_.size() ? below_[i] : nullptr; }
    // Another list of the same screen (one linked to this one on a tab or below it); null if none.
    ListPanel* linkedPanel(const ListSpec& spec) const;

    // Fills the page afresh for the current tab (and the range it takes now): at the first
    // record, or at the first record at or after `rec`'s key values (the record itself when it
    // was read from the file).
    void fillFirst();
    void fillAt(const RecordBuffer& rec);
    // Rebuilds the page around the highlighted record (or at the first record when none is shown).
    void refresh();
    // A list shown below another shows its caption as a heading.
    void setHeadingVisible(bool visible);
    // The tabs ranged by `source`'s list take their range from its highlighted record.
    void setRangeSource(ListPanel* source);
    // A list shown on a form: the tabs ranged by the form's record take their range from `owner`.
    void setOwner(const RecordBuffer* owner) { owner_ = owner; }

    // The commands of the buttons, keys and popup menu.
    void insertRecord();
    void changeRecord();
    void deleteRecord();
    void selectRecord();
    void closeList();
    void showHelp();
    QMenu* buildPopupMenu(QWidget* parent);

    // Locating (typed as a user does through keys; public for the thumb and entry too).
    void typeLocator(const QString& text);
    void backspaceLocator();
    void moveThumb(int position);

signals:
    void tabChanged(int tab);
    void highlightChanged();
    void selected();        // the highlighted record was chosen (select mode)
    void closeRequested();  // Close, or a read error that ends the screen
    void formReturned(Request request, Response response);  // a form the list called has returned

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;  // remembers the column widths

private:
    void build();
    QWidget* buildTabs();
    QWidget* buildLocatorEntry();
    QWidget* buildView();
    QWidget* buildThumb();
    QWidget* buildButtons();
    QWidget* buildBelow();
    void showBelow();
    QString buttonCaption(ListButton b) const;
    void showExtraButtons();
    void setColumnWidths();
    int headingWidth(int i) const;
    void widenColumns();
    void bindTab();
    void showPage();
    void showHighlight();
    bool check(StoreCode rc);
    void move(StoreCode (ListPage::*step)());
    bool navigationKey(int key);
    bool commandKey(QKeyEvent* key);
    void callForm(Request request);
    void locateSeek(const RecordBuffer& seek);
    std::string locatorPrefix(const RecordBuffer& seek) const;
    const FieldDef* locatorField() const;
    void stepLocate(const QString& ch);
    void setLocatorValue(RecordBuffer& seek, const std::string& value) const;
    void thumbAction(int action);
    bool computeStops();
    void updateThumb();
    void readCells(const RecordBuffer& rec, std::vector<std::string>& cells);
    void sourceMoved(const ListPanel* source);
    const ListPanel* sourceOf(const TabSpec& tab) const;
    void resized();

    struct Column {
        const FieldDef* field = nullptr;
        FieldFormat format;
        const KeyDef* lookupKey = nullptr;
        const FieldDef* shown = nullptr;
        CellText compute;
        bool typed = false;
    };
    Column columnOf(const ColumnSpec& c) const;
    std::string cellText(const Column& c, const RecordBuffer& rec);

    AppContext& ctx_;
    const ListSpec& spec_;
    bool selecting_;
    std::unique_ptr<ScreenFiles> files_;
    std::vector<Column> columns_;
    std::vector<Column> belowColumns_;
    ListPage page_;
    int tab_ = 0;
    int rangeFields_ = 0;        // leading key components fixed by the current tab's range
    RecordBuffer seek_;          // the range's values; the rest blank
    std::vector<std::string> locatorTexts_;  // the incremental locator's text, per tab
    std::vector<QPointer<ListPanel>> sources_;
    const RecordBuffer* owner_ = nullptr;
    bool sourceEmpty_ = false;  // the list giving the range shows nothing: there is nothing to insert into
    std::int64_t shownId_ = -1;  // the highlighted record's row, to tell when it changes
    QString columnsKey_;         // where the column widths are remembered

    std::vector<std::string> textStops_;
    std::vector<std::int64_t> numberStops_;
    bool stopsValid_ = false;

    QLabel* heading_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QLineEdit* entry_ = nullptr;
    PageView* view_ = nullptr;
    PageModel* model_ = nullptr;
    QScrollBar* thumb_ = nullptr;
    std::vector<std::pair<ListButton, QPushButton*>> buttons_;
    std::vector<QLabel*> below_;
    std::vector<std::pair<const ExtraButton*, QPushButton*>> extras_;
};

}  // namespace pramo
