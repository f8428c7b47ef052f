#include "orders/order_sequence.h"

#include "orders/order_rules.h"
#include "payments/lines.h"
#include "payments/working_values.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"

namespace pramo {

// The amounts of an item's lines its orders take.
struct ItemLines {
    Money moi, moii, porez, prirez, zo, kriznica;
};

namespace {

// What the orders read of an income item and of the payment's payer.
constexpr Wants orderItem{.place = true, .street = true, .bank = true, .type = true, .lines = true, .method = true};
constexpr Wants orderPayer{.place = true, .street = true, .bank = true};

ItemLines linesOf(const ItemContext& item) {
    ItemLines l;
    for (const Obracun& line : item.lines) {
        switch (static_cast<Pozicija>(line.pozicija)) {
        case Pozicija::MirovinskoI: l.moi = line.iznos; break;
        case Pozicija::MirovinskoII: l.moii = line.iznos; break;
        case Pozicija::Porez: l.porez = line.iznos; break;
        case Pozicija::Prirez: l.prirez = line.iznos; break;
        case Pozicija::Zdravstveno: l.zo = line.iznos; break;
        case Pozicija::Kriznica: l.kriznica = line.iznos; break;
        default: break;
        }
    }
    return l;
}

// a - b + c of two amounts, into an order's amount.
OrderAmount amountOf(Money a, Money minus, Money plus, Flags& flags) {
    Total t(a);
    t -= minus;
    t += plus;
    return t.into<OrderAmount>(flags);
}

template <class R>
R orBlank(const std::optional<R>& rec) { return rec.value_or(R{}); }

// "a b": the first part without trailing blanks, one blank, the second.
std::string spaced(std::string_view a, std::string_view b) { return std::string(a) + " " + std::string(b); }

std::string fullName(const Osobe& oso) { return spaced(oso.ime.view(), oso.prezime.view()); }

// "10000 Zagreb", as the 2D code names a place.
std::string postalPlace(const Mjesta& mje) {
    return mje.postbroj.blank() ? mje.naziv.str() : spaced(mje.postbroj.view(), mje.naziv.view());
}

std::string payeeModel(const OrderRule& rule, const Osobe& oso) {
    if (!oso.model.blank()) return "HR" + oso.model.str();
    return rule.missingModel == MissingModel::Hr ? "HR" : "";
}

}  // namespace

void OrderSequence::set(PaymentOrder& o, Field f, std::string_view text) const { o[f] = cutText(text, fieldWidth(f, form_)); }

// The printed recipient block; the 2D code carries the same three lines unless told otherwise.
void OrderSequence::setRecipient(PaymentOrder& o, const std::array<std::string, 3>& lines) const {
    set(o, Field::Primatelj, lines[0]);
    set(o, Field::Adresap, lines[1]);
    set(o, Field::Mjestop, lines[2]);
    o.recipient = {o[Field::Primatelj], o[Field::Adresap], o[Field::Mjestop]};
}

// The recipient's IBAN; one that is not whole is not printed (a bank must never read a part of
// an account as the account), the field says the account is missing instead.
void OrderSequence::setAccount(PaymentOrder& o, const std::string& iban) const {
    set(o, Field::Zirop, wholeHrIban(iban) ? std::string_view(iban) : missingAccount);
}

OrderSequence::OrderSequence(Store& store, OrderForm form) : form_(form), reader_(store, orderItem) {}

StoreCode OrderSequence::begin(std::int32_t payment) {
    const StoreCode c = readLinked(reader_.store(), payment, isp_);
    if (c == StoreCode::NotFound) return StoreCode::Ok;  // no items either: nothing to print
    if (!ok(c)) return failed(Isplate::table);
    PayerContext p;
    const TableDef* file = nullptr;
    if (!ok(readPayer(reader_.store(), isp_.isplatitelj, orderPayer, p, file))) return failed(*file);
    if (!p.sub) return StoreCode::Ok;  // refused at the first item
    const Subjekti& sub = *p.sub;
    const std::string street = spaced(orBlank(p.uli).naziv.view(), sub.kucnibroj.view());
    set(payer_, Field::Uplatitelj, sub.naziv.view());
    set(payer_, Field::Adresau, street);
    set(payer_, Field::Mjestou, orBlank(p.mje).naziv.view());
    set(payer_, Field::Zirou, sub.rkont.str() + orBlank(p.ban).vodecibroj.str() + sub.racun.str());
    set(payer_, Field::Nazivodrezak, payer_[Field::Uplatitelj] + ", " + payer_[Field::Mjestou] + ", " + payer_[Field::Adresau]);
    payer_.payer = {sub.naziv.str(), street, postalPlace(orBlank(p.mje))};
    payer_.datum = isp_.datum;
    payerOib_ = sub.oib.str();
    hasPayer_ = true;
    return StoreCode::Ok;
}

StoreCode OrderSequence::addItem(const Dohoci& doh) {
    ItemContext item;
    if (const StoreCode c = reader_.read(doh, item); !ok(c)) return failed(*reader_.failed());
    if (!hasPayer_ || !item.oso) return refuse(!hasPayer_ ? missingPayer(isp_) : missingPayee(doh));
    const ItemLines lines = linesOf(item);
    addPayeeOrder(item, lines);
    addTaxOrder(item, lines);
    moi_ += lines.moi;
    moii_ += lines.moii;
    zo_ += lines.zo;
    return StoreCode::Ok;
}

void OrderSequence::finish() {
    addSumOrder(OrderKind::PillarI, moi_);
    addSumOrder(OrderKind::PillarII, moii_);
    addSumOrder(OrderKind::Health, zo_);
    if (flags_.overflow) refusal_ = "Zbroj iznosa isplate ne stane u iznos naloga; nalozi nisu ispisani.";
}

StoreCode OrderSequence::failed(const TableDef& file) {
    failedFile_ = std::string(file.name);
    return reader_.store().error().code;
}

StoreCode OrderSequence::refuse(std::string why) {
    refusal_ = std::move(why);
    return StoreCode::NotFound;
}

std::string OrderSequence::publicReference(std::string_view prefix) const {
    return std::string(prefix) + payerOib_ + "-" + isp_.rsid.str();
}

PaymentOrder OrderSequence::start(const OrderRule& rule, OrderAmount amount) const {
    PaymentOrder o = payer_;
    o.kind = rule.kind;
    o.amount = amount;
    o.purpose = std::string(rule.purpose);
    set(o, Field::Iznos, orderAmountText(amount));
    set(o, Field::Modelu, rule.payerModel);
    if (!rule.payerSuffix.empty()) set(o, Field::Pozivu, publicReference({}) + std::string(rule.payerSuffix));
    if (rule.recipient == RecipientFrom::Payee) return o;
    set(o, Field::Modelp, rule.model);
    set(o, Field::Pozivp, publicReference(rule.reference));
    set(o, Field::Opisplacanja, rule.description);
    setAccount(o, std::string(rule.iban));
    setRecipient(o, {std::string(rule.lines[0]), std::string(rule.lines[1]), std::string(rule.lines[2])});
    return o;
}

void OrderSequence::addPayeeOrder(const ItemContext& item, const ItemLines& lines) {
    const Osobe& oso = *item.oso;
    const Vrstedoh vrs = orBlank(item.vrs);
    const OrderRule& rule = orderRule(OrderKind::Payee, form_, vrs.rezstringa.view(), isp_.datum);
    PaymentOrder o = start(rule, amountOf(item.doh.neto, lines.kriznica, {}, flags_));
    const std::string name = fullName(oso);
    const std::string street = spaced(orBlank(item.uli).naziv.view(), oso.kucnibroj.view());
    setRecipient(o, {orBlank(item.ban).naziv.str(), name, orBlank(item.mje).naziv.str() + ", " + street});
    setAccount(o, oso.rkont.str() + orBlank(item.ban).vodecibroj.str() + oso.racun.str());
    set(o, Field::Modelp, payeeModel(rule, oso));
    set(o, Field::Pozivp, oso.racunpoziv.view());
    set(o, Field::Opisplacanja, vrs.naziv.str() + " - " + name);
    o.recipient = {name, street, postalPlace(orBlank(item.mje))};  // the person, not the bank the block starts with
    o.toAccount = paidToAccount(item.method);
    orders_.push_back(std::move(o));
}

void OrderSequence::addTaxOrder(const ItemContext& item, const ItemLines& lines) {
    if (lines.porez.isZero()) return;
    const Opcine opc = orBlank(item.opc);
    const OrderRule& rule = orderRule(OrderKind::Tax, form_, orBlank(item.vrs).rezstringa.view(), isp_.datum);
    PaymentOrder o = start(rule, amountOf(lines.porez, {}, lines.prirez, flags_));
    setRecipient(o, {std::string(rule.lines[0]), std::string(rule.lines[1]), opc.naziv.str()});
    setAccount(o, opc.rkont.str() + std::string(treasuryBank) + opc.racunporez.str());
    set(o, Field::Opisplacanja, std::string(rule.description) + fullName(*item.oso));
    orders_.push_back(std::move(o));
}

void OrderSequence::addSumOrder(OrderKind kind, const Total& sum) {
    const OrderAmount amount = sum.into<OrderAmount>(flags_);
    if (amount.raw() > 0) orders_.push_back(start(orderRule(kind, form_, {}, isp_.datum), amount));
}

StoreCode paymentOrders(Store& store, std::int32_t payment, OrderForm form, std::vector<PaymentOrder>& out) {
    out.clear();
    OrderSequence seq(store, form);
    if (const StoreCode c = seq.begin(payment); !ok(c)) return c;
    const StoreCode c = walkNumber(store, Dohoci::keyIsplata, Dohoci{.isplata = payment}, [&](const Dohoci& doh) { return seq.addItem(doh); });
    if (!ok(c)) return c;
    seq.finish();
    if (!seq.refusal().empty()) return StoreCode::NotFound;
    out = seq.orders();
    return StoreCode::Ok;
}

}  // namespace pramo
