#pragma once
// POTVRDE: choosing what the year-end certificates are printed for. The payees by surname (typing
// locates, the surname entry searches), the income items of the highlighted payee with their
// payers, the year (this year from August, last year until then) and the report date; the print
// button (F12) prints the certificate of the highlighted payee from the payer of the highlighted
// item, or, when asked, the certificates of every payee that payer paid in the year.

#include <QWidget>

#include "shell/app_context.h"
#include "shell/list/list_declaration.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pramo {

class ListPanel;

extern const ListSpec potvrdeOsobeList;   // the payees by surname
extern const ListSpec potvrdeDohociList;  // the highlighted payee's income items

class PotvrdeScreen : public QWidget {
    Q_OBJECT
public:
    explicit PotvrdeScreen(AppContext& ctx, QWidget* parent = nullptr);

    ListPanel* payees() const { return payees_; }
    int year() const;
    // The arguments of the certificates the print button asks for; payer 0 when no item is highlighted.
    struct Choice {
        std::int32_t payer = 0;
        std::int32_t payee = 0;
        int year = 0;
    };
    Choice choice() const;

public slots:
    void print();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildYearAndDate();
    QWidget* buildButtons();
    void search();
    void showPayee();
    void showPayer();
    void stepYear(int delta);
    void stepDate(int days);
    void acceptDate();

    AppContext& ctx_;
    ListPanel* payees_ = nullptr;
    ListPanel* incomes_ = nullptr;
    QLineEdit* prezime_ = nullptr;
    QLineEdit* ime_ = nullptr;
    QLineEdit* payer_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* date_ = nullptr;
    QCheckBox* everyPayee_ = nullptr;
    QPushButton* print_ = nullptr;
};

// The window POTVRDE opens in from the menu; null when a declaration it runs is faulty (reported).
QWidget* openPotvrde(AppContext& ctx);

}  // namespace pramo
