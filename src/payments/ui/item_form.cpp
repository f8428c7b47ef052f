// The window of the income item form: it shows what ItemFormFlow holds and passes the user's
// keys and clicks to it.

#include "payments/ui/item_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "payments/ui/item_form_flow.h"
#include "payments/ui/item_lists.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/porstope.h"
#include "records/layouts/pozicije.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"
#include "records/values/number_format.h"
#include "shell/called_window.h"
#include "shell/form/form_field.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"

namespace pramo {
namespace {

const char* const methodTexts[] = {"Tekući - 1", "Žiro - 2", "OBINRSPP-3", "Gotovina - 4",
                                   "U naravi - 5", "NP u OP - 6", "I putem OP - 7"};

QString qs(const std::string& s) { return QString::fromStdString(s); }

bool leftByUser(QEvent* e) {
    const auto r = static_cast<QFocusEvent*>(e)->reason();
    return r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason;
}

class ItemForm : public QDialog {
public:
    ItemForm(AppContext& ctx, RecordBuffer& rec, Request request, QWidget* parent)
        : QDialog(parent), flow_(ctx, rec, request) {
        setWindowTitle(request == Request::Insert ? updateDohoci.insertCaption : updateDohoci.changeCaption);
        build();
    }
    ~ItemForm() override { closing_ = true; }

    bool start() {
        Globals& glo = flow_.context().glo;
        const bool payeeFirst = glo.akcija == payeeFirstAction;
        glo.akcija = "";
        if (!flow_.open()) return false;
        lines_->setOwner(&flow_.record());
        slots_->setOwner(&flow_.record());
        lines_->fillFirst();
        slots_->fillFirst();
        refresh();
        if (flow_.request() == Request::Insert) payeeButton_->setFocus();
        else neto_->setFocus();
        // A new item is a payee's first: the choice opens once the form is on the screen.
        if (payeeFirst && flow_.request() == Request::Insert && flow_.item().djelatnik == 0)
            QTimer::singleShot(0, this, &ItemForm::choosePayee);
        return true;
    }
    Response response() const { return flow_.response(); }

    void accept() override {
        if (closing_ || !acceptEntries()) return;
        if (!flow_.confirm()) return refresh();
        closing_ = true;
        QDialog::accept();
    }
    void reject() override {
        if (closing_) return;
        closing_ = true;
        flow_.cancel();
        QDialog::reject();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildHeader();
    QWidget* buildTotals();
    QWidget* buildCrisis();
    QWidget* buildMethods();
    QWidget* buildButtons();
    QLineEdit* entry(const char* field, const char* name);
    QPushButton* button(const QString& text, void (ItemForm::*action)());
    void refresh();
    void refreshLines();
    bool acceptEntries();
    bool acceptNet();
    std::optional<Money> amountIn(QLineEdit* e);
    void choosePayee();
    void chooseType();
    void typeNet();
    void izracun();
    void fromGross();
    void kriznica();
    void ubaci();

    ItemFormFlow flow_;
    bool closing_ = false;
    QLineEdit* redniBroj_ = nullptr;
    QLabel* oznaka_ = nullptr;
    QLabel* isplata_ = nullptr;
    QPushButton* payeeButton_ = nullptr;
    QLabel* payee_ = nullptr;
    QLabel* opcina_ = nullptr;
    QLabel* opcinaRada_ = nullptr;
    QLabel* stopaPrireza_ = nullptr;
    QLabel* porezStopa_ = nullptr;
    QPushButton* typeButton_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* type_ = nullptr;
    QLineEdit* neto_ = nullptr;
    QLabel* drugiStup_ = nullptr;
    ListPanel* lines_ = nullptr;
    QLineEdit* bruto_ = nullptr;
    QLabel* pip_ = nullptr;
    QLineEdit* kstopa_ = nullptr;
    QButtonGroup* methods_ = nullptr;
    ListPanel* slots_ = nullptr;
};

QLineEdit* ItemForm::entry(const char* field, const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setValidator(new FieldPicture(fieldOf(Dohoci::table, field), e));
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(fontMetrics().averageCharWidth() * 16 + 16);
    e->installEventFilter(this);
    return e;
}

QPushButton* ItemForm::button(const QString& text, void (ItemForm::*action)()) {
    auto* b = new QPushButton(text, this);
    connect(b, &QPushButton::clicked, this, action);
    return b;
}

void ItemForm::build() {
    auto* layout = new QGridLayout(this);
    layout->addWidget(buildHeader(), 0, 0);
    layout->addWidget(buildTotals(), 1, 0);
    layout->addWidget(buildCrisis(), 2, 0);
    layout->addWidget(buildMethods(), 3, 0);
    auto* heading = new QLabel("Pozicije obračuna:", this);
    lines_ = new ListPanel(flow_.context(), obracunStavke, false, this);
    lines_->setMinimumSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 24);
    connect(lines_, &ListPanel::formReturned, this, [this] { refresh(); });
    layout->addWidget(heading, 0, 1, Qt::AlignBottom);
    layout->addWidget(lines_, 1, 1, 3, 1);
    layout->addWidget(buildButtons(), 4, 0, 1, 2);
}

QWidget* ItemForm::buildHeader() {
    auto* box = new QWidget(this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    redniBroj_ = entry("REDNIBROJ", "REDNIBROJ");
    oznaka_ = new QLabel(box);
    isplata_ = new QLabel(box);
    g->addWidget(new QLabel("Redni Broj:", box), 0, 0);
    g->addWidget(redniBroj_, 0, 1);
    g->addWidget(oznaka_, 0, 2);
    g->addWidget(isplata_, 0, 3);
    payeeButton_ = button("...", &ItemForm::choosePayee);
    payee_ = new QLabel(box);
    g->addWidget(new QLabel("Djelatnik:", box), 1, 0);
    g->addWidget(payeeButton_, 1, 1, Qt::AlignLeft);
    g->addWidget(payee_, 1, 2, 1, 2);
    opcina_ = new QLabel(box);
    opcinaRada_ = new QLabel(box);
    stopaPrireza_ = new QLabel(box);
    stopaPrireza_->setObjectName("STOPAPRIREZA");
    g->addWidget(new QLabel("Šifra općine:", box), 2, 0);
    g->addWidget(opcina_, 2, 1);
    g->addWidget(new QLabel("općina rada:", box), 2, 2);
    g->addWidget(opcinaRada_, 2, 3);
    g->addWidget(new QLabel("Stopa prireza:", box), 3, 0);
    g->addWidget(stopaPrireza_, 3, 1);
    porezStopa_ = new QLabel(box);
    porezStopa_->setObjectName("POREZSTOPA");
    g->addWidget(new QLabel("Stopa poreza:", box), 3, 2);
    g->addWidget(porezStopa_, 3, 3);
    typeButton_ = button("...", &ItemForm::chooseType);
    type_ = new QLabel(box);
    type_->setObjectName("VRSTA");
    g->addWidget(new QLabel("Vrsta doh.:", box), 4, 0);
    g->addWidget(typeButton_, 4, 1, Qt::AlignLeft);
    g->addWidget(type_, 4, 2, 1, 2);
    neto_ = entry("NETO", "NETO");
    g->addWidget(new QLabel("Neto:", box), 5, 0);
    g->addWidget(neto_, 5, 1);
    g->addWidget(button("IZRAČUN", &ItemForm::izracun), 5, 2);
    drugiStup_ = new QLabel(box);
    g->addWidget(new QLabel("Drugi stup:", box), 6, 0);
    g->addWidget(drugiStup_, 6, 1);
    g->setColumnStretch(3, 1);
    return box;
}

QWidget* ItemForm::buildTotals() {
    auto* box = new QWidget(this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    bruto_ = entry("NETO", "BRUTO");
    pip_ = new QLabel(box);
    pip_->setObjectName("PIP");
    g->addWidget(new QLabel("Bruto:", box), 0, 0);
    g->addWidget(bruto_, 0, 1);
    g->addWidget(button("Neto iz bruta", &ItemForm::fromGross), 0, 2);
    g->addWidget(new QLabel("P&P", box), 1, 0);
    g->addWidget(pip_, 1, 1, Qt::AlignRight);
    g->setColumnStretch(3, 1);
    return box;
}

// The crisis tax cannot be produced from this form: the group stays disabled and shows the rate.
QWidget* ItemForm::buildCrisis() {
    auto* box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(button("KRIZNICA", &ItemForm::kriznica));
    row->addWidget(new QLabel("K.stopa", box));
    kstopa_ = new QLineEdit(box);
    kstopa_->setObjectName("KSTOPA");
    kstopa_->setAlignment(Qt::AlignRight);
    kstopa_->setMaximumWidth(fontMetrics().averageCharWidth() * 10 + 16);
    row->addWidget(kstopa_);
    row->addStretch(1);
    box->setEnabled(false);
    return box;
}

QWidget* ItemForm::buildMethods() {
    auto* box = new QGroupBox("Način isplate", this);
    auto* g = new QGridLayout(box);
    methods_ = new QButtonGroup(box);
    for (int i = 0; i < lastPaymentMethod; ++i) {
        auto* radio = new QRadioButton(methodTexts[i], box);
        methods_->addButton(radio, i + 1);
        g->addWidget(radio, i % 4, i / 4);
    }
    g->addWidget(button("UBACI", &ItemForm::ubaci), 3, 1);
    slots_ = new ListPanel(flow_.context(), svastaStavke, false, box);
    slots_->setMaximumHeight(fontMetrics().height() * 6);
    g->addWidget(slots_, 0, 2, 4, 1);
    return box;
}

QWidget* ItemForm::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addStretch(1);
    auto* ok = new QPushButton("OK", row);
    ok->setDefault(true);
    ok_ = ok;
    connect(ok, &QPushButton::clicked, this, &ItemForm::accept);
    auto* cancel = new QPushButton("Odustani", row);
    cancel->setFocusPolicy(Qt::NoFocus);  // cancelling does not accept the entry being left
    connect(cancel, &QPushButton::clicked, this, &ItemForm::reject);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return row;
}

// Every shown value from the item, its payee, its type and its stored lines.
void ItemForm::refresh() {
    Dohoci& doh = flow_.item();
    Store& store = flow_.context().store;
    redniBroj_->setText(QString::number(doh.rednibroj));
    oznaka_->setText(QString::number(doh.oznaka));
    isplata_->setText(QString::number(doh.isplata));
    const ItemPayee payee = readItemPayee(store, doh.djelatnik);
    payee_->setText(qs(payee.name));
    opcina_->setText(qs(payee.opcina));
    opcinaRada_->setText(qs(payee.opcinaRada));
    const ItemCalculation::RatesShown rates = flow_.ratesShown();
    stopaPrireza_->setText(qs(rates.prirez.empty() ? payee.stopaPrireza : rates.prirez));
    porezStopa_->setText(qs(rates.porez));
    drugiStup_->setText(qs(payee.drugiStup));
    Vrstedoh vrs;
    type_->setText(ok(readLinked(store, doh.vrstadohotka, vrs)) ? qs(vrs.naziv.str()) : QString());
    neto_->setText(qs(screenAmount(doh.neto)));
    kstopa_->setText(qs(screenAmount(flow_.loc().kstopa)));
    refreshLines();
}

void ItemForm::refreshLines() {
    lines_->refresh();
    slots_->refresh();
    const ItemTotals t = flow_.totals();
    bruto_->setText(qs(screenAmount(t.bruto)));
    pip_->setText(t.pip.isZero() ? QString() : qs(screenAmount(t.pip)));
}

std::optional<Money> ItemForm::amountIn(QLineEdit* e) {
    const auto v = parseField(fieldOf(Dohoci::table, "NETO"), e->text().toStdString());
    if (v) return Money::fromRaw(v->number);
    QApplication::beep();
    QTimer::singleShot(0, e, [e] { e->setFocus(); });
    return std::nullopt;
}

bool ItemForm::acceptNet() {
    const auto neto = amountIn(neto_);
    if (!neto) return false;
    if (*neto != flow_.item().neto) {
        flow_.acceptNet(*neto);
        refresh();
    }
    return true;
}

bool ItemForm::acceptEntries() {
    const auto v = parseField(fieldOf(Dohoci::table, "REDNIBROJ"), redniBroj_->text().toStdString());
    if (!v) {
        QApplication::beep();
        redniBroj_->setFocus();
        return false;
    }
    flow_.item().rednibroj = static_cast<std::uint16_t>(v->number);
    return acceptNet();
}

void ItemForm::choosePayee() {
    Osobe oso;
    if (!ok(readLinked(flow_.context().store, flow_.item().djelatnik, oso))) oso = Osobe{};
    if (chooseRecord(flow_.context(), oso, this) != Response::Completed) return;
    flow_.choosePayee(oso.oznaka);
    refresh();
    typeNet();  // the type stays as the last item's (one Shift+Tab back)
}

void ItemForm::chooseType() {
    Vrstedoh vrs;
    if (!ok(readLinked(flow_.context().store, flow_.item().vrstadohotka, vrs))) vrs = Vrstedoh{};
    if (chooseRecord(flow_.context(), vrs, this) != Response::Completed) return;
    flow_.chooseType(vrs.oznaka);
    refresh();
    typeNet();
}

// The net is typed next and Enter is OK's again: the look-up's button, focused when its list
// opened over a window not yet active, may have kept the default.
void ItemForm::typeNet() {
    neto_->setFocus();
    neto_->selectAll();
    ok_->setDefault(true);
}

void ItemForm::izracun() {
    if (!acceptEntries()) return;
    flow_.izracun();
    refresh();
}

void ItemForm::fromGross() {
    if (!acceptEntries()) return;
    const auto bruto = amountIn(bruto_);
    if (!bruto) return;
    flow_.fromGross(*bruto);
    refresh();
}

void ItemForm::kriznica() {
    flow_.kriznica();
    refreshLines();
}

void ItemForm::ubaci() {
    flow_.ubaci(static_cast<std::int16_t>(std::max(0, methods_->checkedId())));
    refreshLines();
}

// In the net and gross entries the down arrow moves on like Tab; the net is accepted when left.
bool ItemForm::eventFilter(QObject* watched, QEvent* event) {
    if (closing_) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && (watched == neto_ || watched == bruto_) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        focusNextChild();
        return true;
    }
    if (event->type() == QEvent::FocusOut && leftByUser(event)) {
        if (watched == neto_) acceptNet();
        else if (watched == redniBroj_) acceptEntries();
    }
    return QDialog::eventFilter(watched, event);
}

// What the calculation reads, and the slots and position names the form lists.
std::vector<const TableDef*> itemFormFiles() {
    std::vector<const TableDef*> files = calculationFiles();
    files.insert(files.end(), {&Svasta::table, &Pozicije::table});
    return files;
}

Response runItemForm(AppContext& ctx, const FormSpec&, Request request, RecordBuffer& rec, QWidget* parent) {
    ItemForm form(ctx, rec, request, parent);
    if (form.start()) runCalledWindow(form, parent);
    return form.response();
}

}  // namespace

const FormSpec updateDohoci{
    .table = &Dohoci::table,
    .insertCaption = "Unos dohotka",
    .changeCaption = "Promjene",
    .alsoReads = itemFormFiles(),
    .duplicateOrder = {&Dohoci::keyOznaka},
    .help = false,
    .window = runItemForm,
};

Response openItemForm(AppContext& ctx, Request request, Dohoci& doh, QWidget* parent) {
    RecordBuffer rec(Dohoci::table);
    rec.copyFrom(doh);
    const Response r = callForm(ctx, updateDohoci, request, rec, parent);
    rec.copyTo(doh);
    return r;
}

}  // namespace pramo
