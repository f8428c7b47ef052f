#pragma once
// DUPLIKAT, "Dupliciranje postojeće isplate": the payment highlighted in the payments list is
// copied to a new payment of the same payer. The window shows the old payment and proposes the
// new one (the next number, the payer's first free day from today with its RS Id and year); the
// user may change the date (the up and down buttons move it a day and recompute the RS Id), the
// RS Id and the year, and "NAPRAVI NOVU" makes the copy in one transaction (payments/duplication.h).

#include <QDialog>
#include <cstdint>
#include <memory>

#include "payments/duplication.h"
#include "shell/app_context.h"
#include "shell/screen_files.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pramo {

class DuplikatWindow : public QDialog {
    Q_OBJECT
public:
    DuplikatWindow(AppContext& ctx, std::int32_t isplata, QWidget* parent = nullptr);
    ~DuplikatWindow() override;

    // Reads the old payment and proposes the new one; false (after a message) when it cannot.
    bool start();

    QLineEdit* datum() const { return datum_; }
    QLineEdit* rsid() const { return rsid_; }
    QLineEdit* godina() const { return godina_; }
    QPushButton* napraviNovu() const { return make_; }
    QLabel* status() const { return status_; }

public slots:
    void makeCopy();  // "NAPRAVI NOVU"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildOld();
    QWidget* buildNew();
    void showProposal();
    bool acceptDate();
    void moveDate(int days);
    void tell(const std::string& text);

    AppContext& ctx_;
    std::unique_ptr<ScreenFiles> files_;
    Isplate old_;
    std::string payer_;
    DuplicateRequest req_;
    QLabel* oldLabels_[5]{};
    QLineEdit* datum_ = nullptr;
    QLineEdit* rsid_ = nullptr;
    QLineEdit* godina_ = nullptr;
    QLabel* number_ = nullptr;
    QPushButton* make_ = nullptr;
    QLabel* status_ = nullptr;
};

// Opens DUPLIKAT for payment `isplata` over `parent`'s window; true when a copy was made.
bool duplicatePaymentWindow(AppContext& ctx, std::int32_t isplata, QWidget* parent);

}  // namespace pramo
