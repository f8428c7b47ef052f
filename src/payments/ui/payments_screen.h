#pragma once
// The payments list ISPLATE, "Pregled isplata": the payers, the highlighted payer's payments and
// the highlighted payment's income items side by side, each a declared list (payment_lists.h);
// the payment form is called from the payments. Around them the window holds what the documents
// of a payment are printed with: the month and year of the IDD and ID-1 forms, "Vrsta pisača",
// the matrix printer's offsets, and the document commands the subsystems registered
// (shell/document_commands.h). After each document command the three lists are read again.
//
// Keys: Right moves the focus payers → payments → items → payers, Left items → payments and
// payers → items (in the payments it is Shift+Tab); F5 goes to the payments; numeric + (outside
// the month and year fields) inserts a payment; in those fields numeric + and − step the month
// (wrapping into the year) and the year.

#include <QWidget>
#include <cstdint>
#include <memory>

#include "records/layouts/param.h"
#include "shell/app_context.h"
#include "shell/document_commands.h"
#include "shell/screen_files.h"

class QAction;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QMenuBar;
class QRadioButton;

namespace pramo {

class ListPanel;

class IsplateScreen : public QWidget {
    Q_OBJECT
public:
    explicit IsplateScreen(AppContext& ctx, QWidget* parent = nullptr);
    ~IsplateScreen() override;

    AppContext& context() const { return ctx_; }
    ListPanel* payers() const { return payers_; }
    ListPanel* payments() const { return payments_; }
    ListPanel* items() const { return items_; }
    QLineEdit* month() const { return month_; }
    QLineEdit* year() const { return year_; }
    QMenuBar* menu() const { return menu_; }

    // What the documents are printed for: the highlighted payment, item and payer (0: none).
    std::int32_t payment() const;
    std::int32_t item() const;
    std::int32_t payer() const;
    PrinterKind printer() const;
    void setPrinter(PrinterKind kind);
    const Param& param() const { return param_; }
    int monthValue() const;
    int yearValue() const;
    // All of them as the values the document commands run for.
    ReportArgs documentArgs() const;

    // The three lists read again (after a document command).
    void refreshLists();
    void choosePrinterParam();  // the look-up of "Podešenost matričnog pisača"

    // Wide enough for every column of the three lists, and some fifteen rows high.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLists(QBoxLayout* layout);
    QAction* commandAction(const DocumentCommand& c);
    QBoxLayout* commandRow(CommandPlace place, QWidget* parent);
    void buildMenu();
    QWidget* buildPeriod();
    QWidget* buildPrinter();
    QWidget* buildParam();
    void addKeys();
    void paymentMoved();
    void showParam();
    bool listKey(QObject* watched, int key);
    bool stepKey(QObject* watched, int key);
    void stepMonth(int delta);
    void stepYear(int delta);
    void setPeriod(int month, int year);

    AppContext& ctx_;
    std::unique_ptr<ScreenFiles> files_;
    Param param_;
    ListPanel* payers_ = nullptr;
    ListPanel* payments_ = nullptr;
    ListPanel* items_ = nullptr;
    QMenuBar* menu_ = nullptr;
    QLabel* payerName_ = nullptr;
    QLabel* rsid_[2]{};
    QLineEdit* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QRadioButton* matrix_ = nullptr;
    QRadioButton* laser_ = nullptr;
    QLabel* paramLabels_[3]{};
};

// The window the menu's "Isplate" opens.
QWidget* openIsplate(AppContext& ctx);

}  // namespace pramo
