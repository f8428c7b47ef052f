#include "payments/ui/duplikat_window.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "payments/payment_dates.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/obracun.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "records/store/read_linked.h"
#include "shell/called_window.h"

namespace pramo {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* entry(int maxLength, const char* pattern, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(maxLength);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
    return e;
}

}  // namespace

DuplikatWindow::DuplikatWindow(AppContext& ctx, std::int32_t isplata, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    req_.from = isplata;
    setWindowTitle("Dupliciranje postojeće isplate");
    build();
}

DuplikatWindow::~DuplikatWindow() = default;

bool DuplikatWindow::start() {
    files_ = std::make_unique<ScreenFiles>(ctx_, std::initializer_list<const TableDef*>{
        &Isplate::table, &Subjekti::table, &Dohoci::table, &Obracun::table, &Svasta::table});
    if (!files_->ok()) return false;
    if (!ok(proposeDuplicate(ctx_.store, req_.from, ctx_.clock.today(), old_, req_))) {
        showWarning(ctx_.messages, ctx_.store, Warning::RetrievalError, Isplate::table.label);
        return false;
    }
    Subjekti sub;
    if (ok(readLinked(ctx_.store, old_.isplatitelj, sub))) payer_ = sub.naziv.str();
    showProposal();
    return true;
}

void DuplikatWindow::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildOld());
    layout->addWidget(buildNew());
    status_ = new QLabel("Pričekajte ...", this);
    status_->hide();
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    make_ = new QPushButton("NAPRAVI NOVU", this);
    make_->setAutoDefault(false);
    connect(make_, &QPushButton::clicked, this, &DuplikatWindow::makeCopy);
    auto* close = new QPushButton("&Zatvori", this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(make_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

// The old payment, shown only: its payer, RS Id, date, year and number.
QWidget* DuplikatWindow::buildOld() {
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    const char* labels[] = {"Isplatitelj:", "Rs Id:", "Datum isplate:", "Godina:", ""};
    for (int i = 0; i < 5; ++i) {
        oldLabels_[i] = new QLabel(box);
        form->addRow(labels[i], oldLabels_[i]);
    }
    return box;
}

// The new payment: its number, then date (with a day up and down), RS Id and year, all editable.
QWidget* DuplikatWindow::buildNew() {
    auto* box = new QGroupBox("Podaci za novu isplatu:", this);
    auto* form = new QFormLayout(box);
    number_ = new QLabel(box);
    form->addRow("", number_);
    datum_ = entry(10, "[0-9.]*", box);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(datum_);
    for (const auto& [arrow, days] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* b = new QToolButton(box);
        b->setArrowType(arrow);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, d = days] { moveDate(d); });
        dateRow->addWidget(b);
    }
    form->addRow("Datum:", dateRow);
    rsid_ = entry(5, "[0-9]*", box);
    form->addRow("ID:", rsid_);
    godina_ = entry(4, "[0-9]*", box);
    godina_->setReadOnly(true);  // the year follows the date
    form->addRow("Godina:", godina_);
    for (QLineEdit* e : {datum_, rsid_, godina_}) e->installEventFilter(this);
    return box;
}

void DuplikatWindow::showProposal() {
    oldLabels_[0]->setText(q(payer_));
    oldLabels_[1]->setText(q(old_.rsid.str()));
    oldLabels_[2]->setText(q(old_.datum.toString()));
    oldLabels_[3]->setText(q(old_.godina.str()));
    oldLabels_[4]->setText(QString::number(req_.from));
    number_->setText(QString::number(req_.number));
    datum_->setText(q(req_.datum.toString()));
    rsid_->setText(q(req_.rsid.str()));
    godina_->setText(q(req_.godina.str()));
}

// The typed date, when it is one: the RS Id follows it as on the payment form. An impossible date
// is refused with a message and the focus stays in the entry.
bool DuplikatWindow::acceptDate() {
    const auto d = Date::parse(datum_->text().toStdString());
    if (!d || d->isNull()) {
        QApplication::beep();
        tell("Datum: datum nije ispravan (dd.mm.gggg).");
        datum_->setFocus();
        return false;
    }
    if (*d == req_.datum) return true;
    req_.datum = *d;
    Isplate isp{.rsid = rsid_->text().toStdString(), .datum = *d};
    rsIdFromDate(isp);
    yearFollowsDate(isp);
    rsid_->setText(q(isp.rsid.str()));
    godina_->setText(q(isp.godina.str()));
    datum_->setText(q(d->toString()));
    return true;
}

void DuplikatWindow::moveDate(int days) {
    if (!acceptDate()) return;
    datum_->setText(q((req_.datum + days).toString()));
    acceptDate();
}

void DuplikatWindow::makeCopy() {
    if (!acceptDate()) return;
    req_.rsid = rsid_->text().toStdString();
    req_.godina = godina_->text().toStdString();
    status_->setText("Pričekajte ...");
    status_->show();
    status_->repaint();
    const DuplicateOutcome out = duplicatePayment(ctx_.store, req_);
    if (out.done()) return status_->setText("Gotovo");
    status_->hide();
    tell(out.message);
}

void DuplikatWindow::tell(const std::string& text) {
    MessageBox box;
    box.title = windowTitle().toStdString();
    box.text = text;
    ctx_.messages.ask(box);
}

// The Down and Up arrow keys move to the next and previous field; leaving the date accepts it.
bool DuplikatWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            if (watched == datum_ && !acceptDate()) return true;
            focusNextPrevChild(key == Qt::Key_Down);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && watched == datum_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason) acceptDate();
    }
    return QDialog::eventFilter(watched, event);
}

bool duplicatePaymentWindow(AppContext& ctx, std::int32_t isplata, QWidget* parent) {
    DuplikatWindow window(ctx, isplata, parent);
    if (!window.start()) return false;
    runCalledWindow(window, parent);
    return window.status()->isVisible() && window.status()->text() == "Gotovo";
}

}  // namespace pramo
