#include "payments/ui/payments_screen.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "payments/ui/payment_lists.h"
#include "preview/ui/printer_params.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/subjekti.h"
#include "records/store/read_linked.h"
#include "shell/declarations.h"
#include "shell/list/list_panel.h"
#include "shell/list/page_view.h"
#include "shell/screen_registry.h"

namespace pramo {
namespace {

QLineEdit* digitsEntry(int length, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(length);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(length + 2, '0')) + 12);
    return e;
}

bool keypad(QKeyEvent* key) { return key->modifiers() & Qt::KeypadModifier; }

// The document commands the subsystems registered for the window.
const std::vector<DocumentCommand>& commandsOf(const AppContext& ctx) {
    static const std::vector<DocumentCommand> none;
    return ctx.screens ? ctx.screens->commands() : none;
}

// A command's tool tip names its key, so that it is found without the mouse.
QString tipWithKey(const DocumentCommand& c) {
    if (c.key.isEmpty()) return c.toolTip;
    const QString key = c.key.toString(QKeySequence::NativeText);
    return c.toolTip.isEmpty() ? QStringLiteral("Tipka %1").arg(key) : QStringLiteral("%1 (%2)").arg(c.toolTip, key);
}

}  // namespace

IsplateScreen::IsplateScreen(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setWindowTitle("Pregled isplata");
    files_ = std::make_unique<ScreenFiles>(ctx, std::initializer_list<const TableDef*>{&Param::table});
    auto* layout = new QVBoxLayout(this);
    menu_ = new QMenuBar(this);
    layout->setMenuBar(menu_);
    buildLists(layout);
    layout->addLayout(commandRow(CommandPlace::Row, this));
    layout->addWidget(buildPeriod());
    auto* printing = new QHBoxLayout;
    printing->addWidget(buildPrinter());
    printing->addWidget(buildParam());
    printing->addLayout(commandRow(CommandPlace::Orders, this));
    printing->addStretch(1);
    layout->addLayout(printing);
    buildMenu();
    addKeys();
    const Date today = ctx.clock.today();
    setPeriod(today.month(), today.year());
    if (!ok(readLinked(ctx.store, 1, param_))) param_ = Param{};
    showParam();
    payers_->fillFirst();
    payments_->fillFirst();
    items_->fillFirst();
    setFocusProxy(payments_);
}

IsplateScreen::~IsplateScreen() = default;

// The three lists side by side, the payer's name and the command buttons under them.
void IsplateScreen::buildLists(QBoxLayout* layout) {
    auto* lists = new QHBoxLayout;
    payers_ = new ListPanel(ctx_, isplatiteljiIsplate, false, this);
    payments_ = new ListPanel(ctx_, isplateList, false, this);
    items_ = new ListPanel(ctx_, isplateDohoci, false, this);
    payments_->setRangeSource(payers_);
    items_->setRangeSource(payments_);
    payments_->setHeadingVisible(true);
    items_->setHeadingVisible(true);
    lists->addWidget(payers_);  // the payers and payments as wide as their columns, the items the rest
    lists->addWidget(payments_);
    lists->addWidget(items_, 1);
    layout->addLayout(lists, 1);
    for (ListPanel* p : {payers_, payments_, items_}) {
        p->view()->installEventFilter(this);
        connect(p, &ListPanel::closeRequested, this, &QWidget::close);
    }
    connect(payments_, &ListPanel::highlightChanged, this, &IsplateScreen::paymentMoved);
    payerName_ = new QLabel(this);
    connect(payers_, &ListPanel::highlightChanged, this, [this] {
        const Subjekti* sub = payers_->highlighted<Subjekti>();
        payerName_->setText(sub ? QString::fromStdString(sub->naziv.str()) : QString());
    });
    layout->addWidget(payerName_);
}

// "Ispis RSm, IDD, ID-1 (u meniju)" with the RS Id, month and year, and "Obrazac JOP".
QWidget* IsplateScreen::buildPeriod() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* period = new QGroupBox("Ispis RSm, IDD, ID-1 (u meniju)", row);
    auto* p = new QHBoxLayout(period);
    rsid_[0] = new QLabel(period);
    month_ = digitsEntry(2, period);
    year_ = digitsEntry(4, period);
    for (QLineEdit* e : {month_, year_}) e->installEventFilter(this);
    connect(year_, &QLineEdit::textChanged, this, [this](const QString& y) { ctx_.glo.godina = y.toStdString(); });
    p->addWidget(new QLabel("RS Id:", period));
    p->addWidget(rsid_[0]);
    p->addWidget(new QLabel("za mjesec", period));
    p->addWidget(month_);
    p->addWidget(new QLabel("godinu", period));
    p->addWidget(year_);
    layout->addWidget(period);
    auto* jop = new QGroupBox("Obrazac JOP", row);
    auto* j = new QHBoxLayout(jop);
    rsid_[1] = new QLabel(jop);
    j->addWidget(rsid_[1]);
    j->addLayout(commandRow(CommandPlace::Jop, jop));
    layout->addWidget(jop);
    layout->addStretch(1);
    return row;
}

// The command's action (its key works anywhere in the window); a command not available is disabled.
QAction* IsplateScreen::commandAction(const DocumentCommand& c) {
    auto* a = new QAction(c.text, this);
    a->setToolTip(tipWithKey(c));
    a->setShortcut(c.key);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    a->setEnabled(static_cast<bool>(c.run));
    connect(a, &QAction::triggered, this, [this, &c] {
        if (!c.run) return;
        CommandCall call{ctx_, this, documentArgs(), [this](PrinterKind kind) { setPrinter(kind); }};
        c.run(call);
        refreshLists();
    });
    addAction(a);
    return a;
}

QBoxLayout* IsplateScreen::commandRow(CommandPlace place, QWidget* parent) {
    auto* row = new QHBoxLayout;
    for (const DocumentCommand& c : commandsOf(ctx_)) {
        if (c.place != place) continue;
        QAction* a = commandAction(c);
        auto* b = new QPushButton(c.text, parent);
        b->setAutoDefault(true);  // Enter on the focused command runs it
        b->setToolTip(tipWithKey(c));
        b->setEnabled(a->isEnabled());
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        row->addWidget(b);
    }
    if (place == CommandPlace::Row) row->addStretch(1);
    return row;
}

void IsplateScreen::buildMenu() {
    QMenu* forms = menu_->addMenu("Ispisi obrazaca");
    for (const DocumentCommand& c : commandsOf(ctx_))
        if (c.place == CommandPlace::Menu) forms->addAction(commandAction(c));
}

// F5 to the payments; numeric + inserts a payment (the month and year fields take it themselves).
void IsplateScreen::addKeys() {
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence(Qt::Key_F5), [this] { payments_->view()->setFocus(Qt::ShortcutFocusReason); }},
        {QKeySequence(QKeyCombination(Qt::KeypadModifier, Qt::Key_Plus)), [this] { payments_->insertRecord(); }},
    };
    for (const auto& [key, run] : keys) {
        auto* a = new QAction(this);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, run);
        addAction(a);
    }
}

QWidget* IsplateScreen::buildPrinter() {
    auto* box = new QGroupBox("Vrsta pisača", this);
    auto* layout = new QHBoxLayout(box);
    matrix_ = new QRadioButton("Matrični", box);
    laser_ = new QRadioButton("Laserski", box);
    matrix_->setChecked(true);
    layout->addWidget(matrix_);
    layout->addWidget(laser_);
    return box;
}

// "Podešenost matričnog pisača": the chosen printer-parameter record and its look-up.
QWidget* IsplateScreen::buildParam() {
    auto* box = new QGroupBox("Podešenost matričnog pisača", this);
    auto* layout = new QHBoxLayout(box);
    for (QLabel*& l : paramLabels_) l = new QLabel(box);
    auto* choose = new QPushButton("...", box);
    choose->setAutoDefault(true);
    connect(choose, &QPushButton::clicked, this, &IsplateScreen::choosePrinterParam);
    layout->addWidget(choose);
    layout->addWidget(paramLabels_[0]);
    layout->addWidget(new QLabel("vod.:", box));
    layout->addWidget(paramLabels_[1]);
    layout->addWidget(new QLabel("ok.:", box));
    layout->addWidget(paramLabels_[2]);
    return box;
}

void IsplateScreen::choosePrinterParam() {
    Param chosen = param_;
    if (selectParam(ctx_, chosen, this) == Response::Completed) param_ = chosen;
    showParam();
}

void IsplateScreen::showParam() {
    paramLabels_[0]->setText(QString::fromStdString(param_.modelprintera.str()));
    paramLabels_[1]->setText(QString::number(param_.xpos));
    paramLabels_[2]->setText(QString::number(param_.ypos));
}

// Another payment highlighted: its RS Id is shown, and its month and year become the period.
void IsplateScreen::paymentMoved() {
    const Isplate* isp = payments_->highlighted<Isplate>();
    for (QLabel* l : rsid_) l->setText(isp ? QString::fromStdString(isp->rsid.str()) : QString());
    if (isp && !isp->datum.isNull()) setPeriod(isp->datum.month(), isp->datum.year());
}

void IsplateScreen::setPeriod(int month, int year) {
    month_->setText(QString("%1").arg(month, 2, 10, QChar('0')));
    year_->setText(QString::number(year));
}

int IsplateScreen::monthValue() const { return month_->text().toInt(); }
int IsplateScreen::yearValue() const { return year_->text().toInt(); }

void IsplateScreen::stepMonth(int delta) {
    int m = monthValue() + delta, y = yearValue();
    if (m > 12) m = 1, ++y;
    if (m < 1) m = 12, --y;
    setPeriod(m, y);
}

void IsplateScreen::stepYear(int delta) { setPeriod(monthValue(), yearValue() + delta); }

std::int32_t IsplateScreen::payment() const {
    const Isplate* isp = payments_->highlighted<Isplate>();
    return isp ? isp->oznaka : 0;
}

std::int32_t IsplateScreen::item() const {
    const Dohoci* doh = items_->highlighted<Dohoci>();
    return doh ? doh->oznaka : 0;
}

std::int32_t IsplateScreen::payer() const {
    const Subjekti* sub = payers_->highlighted<Subjekti>();
    return sub ? sub->oznaka : 0;
}

ReportArgs IsplateScreen::documentArgs() const {
    return {.payer = payer(), .payment = payment(), .item = item(), .param = param_.oznaka, .year = yearValue(),
            .month = monthValue(), .printer = printer()};
}

PrinterKind IsplateScreen::printer() const { return laser_->isChecked() ? PrinterKind::Laser : PrinterKind::Matrix; }

void IsplateScreen::setPrinter(PrinterKind kind) { (kind == PrinterKind::Laser ? laser_ : matrix_)->setChecked(true); }

QSize IsplateScreen::sizeHint() const {
    const QSize hint = QWidget::sizeHint();
    return {hint.width(), hint.height() + 6 * payments_->view()->verticalHeader()->defaultSectionSize()};
}

// Shown in the main window: once the lists have filled their rows (and widened their columns to
// what they show), as large as they want, but no larger than the area, so that nothing lies
// beyond its edges.
void IsplateScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    QTimer::singleShot(0, this, [this] {
        auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (!sub || !sub->mdiArea()) return;
        QSize wanted = sub->size();
        for (ListPanel* p : {payers_, payments_, items_})  // what each list lacks for its widened columns
            wanted.rwidth() += std::max(0, p->view()->sizeHint().width() - p->view()->width());
        const QSize room = sub->mdiArea()->viewport()->size();
        if (!room.isEmpty()) sub->resize(wanted.boundedTo(room));
    });
}

void IsplateScreen::refreshLists() {
    for (ListPanel* p : {payers_, payments_, items_}) p->refresh();
}

bool IsplateScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (keypad(key) && stepKey(watched, key->key())) return true;
        if (key->modifiers() == Qt::NoModifier && listKey(watched, key->key())) return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Numeric + and − in the month and year fields.
bool IsplateScreen::stepKey(QObject* watched, int key) {
    if ((watched != month_ && watched != year_) || (key != Qt::Key_Plus && key != Qt::Key_Minus)) return false;
    const int delta = key == Qt::Key_Plus ? 1 : -1;
    if (watched == month_) stepMonth(delta);
    else stepYear(delta);
    return true;
}

// Right and Left between the lists.
bool IsplateScreen::listKey(QObject* watched, int key) {
    if (key != Qt::Key_Right && key != Qt::Key_Left) return false;
    const bool right = key == Qt::Key_Right;
    if (watched == payments_->view()) {
        if (right) items_->view()->setFocus(Qt::TabFocusReason);
        else focusNextPrevChild(false);
    } else if (watched == items_->view()) {
        (right ? payers_ : payments_)->view()->setFocus(Qt::TabFocusReason);
    } else if (watched == payers_->view()) {
        (right ? payments_ : items_)->view()->setFocus(Qt::TabFocusReason);
    } else {
        return false;
    }
    return true;
}

QWidget* openIsplate(AppContext& ctx) {
    for (const ListSpec* spec : {&isplatiteljiIsplate, &isplateList, &isplateDohoci}) {
        if (const std::string fault = declarationFault(*spec); !fault.empty()) {
            showDeclarationFault(ctx.messages, "Pregled isplata", fault);
            return nullptr;
        }
    }
    auto* screen = new IsplateScreen(ctx);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    return screen;
}

}  // namespace pramo
