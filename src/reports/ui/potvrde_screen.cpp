#include "reports/ui/potvrde_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/store/read_linked.h"
#include "reports/potvrde.h"
#include "preview/ui/run_report.h"
#include "shell/declarations.h"
#include "shell/list/list_panel.h"

namespace pramo {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

bool keypad(QEvent* event, int key) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    return k->key() == key && k->modifiers().testFlag(Qt::KeypadModifier);
}

QLineEdit* shownEntry(const char* name, int width, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(width);
    return e;
}

}  // namespace

PotvrdeScreen::PotvrdeScreen(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setWindowTitle(QStringLiteral("Ispis potvrda o isplaćenom dohotku"));
    auto* layout = new QVBoxLayout(this);
    payees_ = new ListPanel(ctx, potvrdeOsobeList, false, this);
    payees_->setHeadingVisible(true);
    layout->addWidget(payees_, 3);
    layout->addWidget(buildFields());
    incomes_ = new ListPanel(ctx, potvrdeDohociList, false, this);
    incomes_->setHeadingVisible(true);
    incomes_->setRangeSource(payees_);
    layout->addWidget(incomes_, 2);
    layout->addWidget(buildYearAndDate());
    layout->addWidget(buildButtons());
    for (ListPanel* list : {payees_, incomes_}) connect(list, &ListPanel::closeRequested, this, &QWidget::close);
    connect(payees_, &ListPanel::highlightChanged, this, &PotvrdeScreen::showPayee);
    connect(incomes_, &ListPanel::highlightChanged, this, &PotvrdeScreen::showPayer);
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f12, &QShortcut::activated, this, &PotvrdeScreen::print);
    payees_->fillFirst();
    incomes_->fillFirst();
    showPayee();
    showPayer();
    setFocusProxy(payees_);
}

QWidget* PotvrdeScreen::buildFields() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    prezime_ = shownEntry("prezime", 25, box);
    ime_ = shownEntry("ime", 20, box);
    ime_->setReadOnly(true);
    payer_ = shownEntry("isplatitelj", 40, box);
    payer_->setReadOnly(true);
    form->addRow(QStringLiteral("Prezime:"), prezime_);
    form->addRow(QStringLiteral("Ime:"), ime_);
    form->addRow(QStringLiteral("Isplatitelj:"), payer_);
    connect(prezime_, &QLineEdit::editingFinished, this, &PotvrdeScreen::search);
    return box;
}

QWidget* PotvrdeScreen::buildYearAndDate() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    auto* yearRow = new QHBoxLayout;
    year_ = shownEntry("godina", 4, box);
    year_->setText(QString::number(defaultCertificateYear(ctx_.clock.today())));
    year_->setToolTip(QStringLiteral("Brze tipke: + povecava godinu za godinu, - umanjuje godinu za godinu"));
    yearRow->addWidget(year_);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, {Qt::DownArrow, -1}}) {
        auto* b = new QToolButton(box);
        b->setArrowType(arrow);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, d = delta] { stepYear(d); });
        yearRow->addWidget(b);
    }
    yearRow->addStretch(1);
    form->addRow(QStringLiteral("Za godinu:"), yearRow);
    date_ = shownEntry("datum", 10, box);
    date_->setText(q(ctx_.glo.datumizvj.toString()));
    date_->setToolTip(QStringLiteral("Brze tipke: + povecava Datum za jedan dan, - umanjuje za datum za jedan dan"));
    form->addRow(QStringLiteral("Datum Izvještaja:"), date_);
    everyPayee_ = new QCheckBox(QStringLiteral("Za sve primatelje isplatitelja"), box);
    form->addRow(QString(), everyPayee_);
    connect(date_, &QLineEdit::editingFinished, this, &PotvrdeScreen::acceptDate);
    year_->installEventFilter(this);
    date_->installEventFilter(this);
    return box;
}

QWidget* PotvrdeScreen::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addStretch(1);
    print_ = new QPushButton(QStringLiteral("ISPIS POTVRDE (F12)"), row);
    auto* close = new QPushButton(QStringLiteral("Zatvori"), row);
    connect(print_, &QPushButton::clicked, this, &PotvrdeScreen::print);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    print_->installEventFilter(this);
    layout->addWidget(print_);
    layout->addWidget(close);
    return row;
}

// Keypad + and − step the year or the date in their entries; the arrow keys move on from the print button.
bool PotvrdeScreen::eventFilter(QObject* watched, QEvent* event) {
    const int sign = keypad(event, Qt::Key_Plus) ? 1 : keypad(event, Qt::Key_Minus) ? -1 : 0;
    if (sign != 0 && watched == year_) stepYear(sign);
    if (sign != 0 && watched == date_) stepDate(sign);
    if (sign != 0 && (watched == year_ || watched == date_)) return true;
    if (watched == print_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Up) return focusNextPrevChild(false);
        if (key == Qt::Key_Right || key == Qt::Key_Down) return focusNextPrevChild(true);
    }
    return QWidget::eventFilter(watched, event);
}

int PotvrdeScreen::year() const { return year_->text().trimmed().toInt(); }

void PotvrdeScreen::stepYear(int delta) { year_->setText(QString::number(year() + delta)); }

void PotvrdeScreen::stepDate(int days) {
    acceptDate();
    if (ctx_.glo.datumizvj.isNull()) return;
    ctx_.glo.datumizvj = ctx_.glo.datumizvj + days;
    date_->setText(q(ctx_.glo.datumizvj.toString()));
}

// The report date is the program's: other reports find it as left here. A date that does not
// exist is refused with a beep and the entry keeps the focus.
void PotvrdeScreen::acceptDate() {
    const std::optional<Date> d = Date::parse(date_->text().toStdString());
    if (!d) {
        QApplication::beep();
        date_->setFocus();
        return;
    }
    ctx_.glo.datumizvj = *d;
}

// A surname typed and accepted: the payees list moves to the first at or after it.
void PotvrdeScreen::search() {
    if (!prezime_->isModified() || prezime_->text().trimmed().isEmpty()) return;
    prezime_->setModified(false);
    ime_->clear();
    RecordBuffer seek(Osobe::table);
    seek.as<Osobe>().prezime = prezime_->text().toStdString();
    payees_->fillAt(seek);
    payees_->setFocus();
}

void PotvrdeScreen::showPayee() {
    const Osobe* oso = payees_->highlighted<Osobe>();
    prezime_->setText(oso ? q(oso->prezime.str()) : QString());
    ime_->setText(oso ? q(oso->ime.str()) : QString());
}

void PotvrdeScreen::showPayer() {
    std::optional<Isplate> isp;
    std::optional<Subjekti> sub;
    const Dohoci* doh = incomes_->highlighted<Dohoci>();
    if (doh && ok(readLinked(ctx_.store, doh->isplata, isp)) && isp) (void)readLinked(ctx_.store, isp->isplatitelj, sub);
    payer_->setText(sub ? q(sub->naziv.str()) : QString());
}

PotvrdeScreen::Choice PotvrdeScreen::choice() const {
    Choice c{.year = year()};
    const Osobe* oso = payees_->highlighted<Osobe>();
    const Dohoci* doh = incomes_->highlighted<Dohoci>();
    std::optional<Isplate> isp;
    if (!oso || !doh || !ok(readLinked(ctx_.store, doh->isplata, isp)) || !isp) return c;
    c.payer = isp->isplatitelj;
    c.payee = everyPayee_->isChecked() ? 0 : oso->oznaka;
    return c;
}

// The year chooses the certificate: the crisis-tax one for 2009 and 2010. The screen stays open.
void PotvrdeScreen::print() {
    acceptDate();
    const Choice c = choice();
    if (c.payer == 0) return;  // no item highlighted: nothing to print for
    const ReportArgs args{.payer = c.payer, .payee = c.payee, .year = c.year, .reportDate = ctx_.glo.datumizvj};
    startReport(potvrdeReport, args, ctx_, this);
}

QWidget* openPotvrde(AppContext& ctx) {
    for (const ListSpec* spec : {&potvrdeOsobeList, &potvrdeDohociList}) {
        if (const std::string fault = declarationFault(*spec); !fault.empty()) {
            showDeclarationFault(ctx.messages, QStringLiteral("Ispis potvrda o isplaćenom dohotku"), fault);
            return nullptr;
        }
    }
    auto* screen = new PotvrdeScreen(ctx);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    return screen;
}

}  // namespace pramo
