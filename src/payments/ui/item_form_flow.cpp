#include "payments/ui/item_form_flow.h"

#include "payments/ui/item_form.h"

namespace pramo {
namespace {

constexpr const char* noCalculation = "Dohodak nema obračuna: upiši neto i pritisni IZRAČUN";

}  // namespace

ItemFormFlow::ItemFormFlow(AppContext& ctx, RecordBuffer& rec, Request request)
    : ctx_(ctx), rec_(rec), form_(ctx, updateDohoci, rec, request), entry_(ctx.store, ctx.clock, rec.as<Dohoci>()) {}

ItemFormFlow::~ItemFormFlow() { cancel(); }

bool ItemFormFlow::open() {
    const std::vector<const TableDef*> files = filesOf(updateDohoci);
    files_ = std::make_unique<ScreenFiles>(ctx_, std::span<const TableDef* const>(files));
    if (!files_->ok()) return false;
    if (request() == Request::Insert && !ok(entry_.primeNew())) {
        storeFailed(Dohoci::table);
        return false;
    }
    if (form_.open() == RecordForm::Step::Close) {
        close();
        return false;
    }
    const StoreCode c = request() == Request::Insert ? entry_.startNew(ctx_.glo.vrstadoh) : entry_.startChange();
    if (request() == Request::Change) calculatedFrom_ = inputs();  // the stored lines are taken as its calculation
    if (ok(c)) return true;
    storeFailed(Obracun::table);
    cancel();
    return false;
}

void ItemFormFlow::tell(const std::string& text) {
    MessageBox box;
    box.title = (request() == Request::Insert ? updateDohoci.insertCaption : updateDohoci.changeCaption).toStdString();
    box.text = text;
    ctx_.messages.ask(box);
}

void ItemFormFlow::storeFailed(const TableDef& file) {
    showWarning(ctx_.messages, ctx_.store, Warning::RetrievalError, file.label);
}

void ItemFormFlow::calculated(const CalcOutcome& out) {
    if (out.written()) calculatedFrom_ = inputs();
    if (!out.message.empty()) tell(out.message);
}

void ItemFormFlow::acceptNet(Money neto) {
    if (neto == item().neto) return;
    item().neto = neto;
    izracun();
}

void ItemFormFlow::izracun() { calculated(entry_.calculate()); }
void ItemFormFlow::fromGross(Money bruto) { calculated(entry_.calculateFromGross(bruto)); }
void ItemFormFlow::kriznica() { calculated(entry_.kriznica()); }

void ItemFormFlow::ubaci(std::int16_t method) {
    const MethodWrite w = entry_.ubaci(method);
    if (w == MethodWrite::NotChosen) tell("NISTE ODABRALI NAČIN ISPLATE");
    else if (w == MethodWrite::Failed) showWarning(ctx_.messages, ctx_.store, Warning::UpdateError, "svasta");
}

ItemTotals ItemFormFlow::totals() {
    ItemTotals t;
    if (!ok(entry_.totals(t))) storeFailed(Obracun::table);
    return t;
}

bool ItemFormFlow::complete() {
    if (item().djelatnik == 0) {
        tell(odaberiDjelatnika);
        return false;
    }
    if (calculatedFrom_ != inputs()) {
        const CalcOutcome out = entry_.calculate();
        calculated(out);
        if (!out.written()) return false;
    }
    bool calculatedLines = false;
    if (!ok(entry_.hasAmounts(calculatedLines))) {
        storeFailed(Obracun::table);
        return false;
    }
    if (!calculatedLines) tell(noCalculation);
    return calculatedLines;
}

bool ItemFormFlow::confirm() {
    if (closed_) return true;
    if (!complete()) return false;
    ctx_.glo.vrstadoh = item().vrstadohotka;
    if (form_.complete() == RecordForm::Step::Stay) return false;
    if (form_.response() == Response::Completed) close();
    else cancel();  // a refused change the user gave up
    return true;
}

void ItemFormFlow::cancel() {
    if (closed_) return;
    if (request() == Request::Change && !ok(entry_.restoreLines())) storeFailed(Obracun::table);
    close();
}

// A new item that was not saved goes with everything it created, in one transaction.
void ItemFormFlow::close() {
    closed_ = true;
    form_.close([this] { riRemove(ctx_, item()); });
    files_.reset();
}

}  // namespace pramo
