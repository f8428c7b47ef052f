#include "orders/order_sequence.h"

#include "orders/order_rules.h"
#include "payments/lines.h"
#include "payments/payment_items.h"
#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"

namespace pramo {

// An income item with the records it names and the amounts of its lines.
struct OrderItem {
    Dohoci doh;
    Osobe oso;
    Banke ban;
    Mjesta mje;
    Ulice uli;
    Opcine opc;
    Vrstedoh vrs;
    OrderAmount moi, moii, porez, prirez, zo, kriznica;
    std::int16_t method = defaultPaymentMethod;  // how the payee is paid
};

namespace {

OrderAmount wide(Money m) { return OrderAmount::fromRaw(m.raw()); }
OrderAmount plus(OrderAmount a, OrderAmount b) { return OrderAmount::fromRaw(a.raw() + b.raw()); }
OrderAmount minus(OrderAmount a, OrderAmount b) { return OrderAmount::fromRaw(a.raw() - b.raw()); }

// "a b": the first part without trailing blanks, one blank, the second.
std::string spaced(std::string_view a, std::string_view b) { return std::string(a) + " " + std::string(b); }

std::string fullName(const Osobe& oso) { return spaced(oso.ime.view(), oso.prezime.view()); }

// "10000 Zagreb", as the 2D code names a place.
std::string postalPlace(const Mjesta& mje) {
    return mje.postbroj.blank() ? mje.naziv.str() : spaced(mje.postbroj.view(), mje.naziv.view());
}

// The record numbered `number`, or a blank one when there is none; a failing read names its file.
template <class R>
StoreCode readOrBlank(Store& store, std::int64_t number, R& rec, std::string& failedFile) {
    const StoreCode c = readLinked(store, number, rec);
    if (c == StoreCode::NotFound) rec = R{};
    if (c == StoreCode::NotFound) return StoreCode::Ok;
    if (!ok(c)) failedFile = std::string(R::table.name);
    return c;
}

void takeLine(OrderItem& item, const Obracun& line) {
    const OrderAmount a = wide(line.iznos);
    switch (static_cast<Pozicija>(line.pozicija)) {
    case Pozicija::MirovinskoI: item.moi = a; break;
    case Pozicija::MirovinskoII: item.moii = a; break;
    case Pozicija::Porez: item.porez = a; break;
    case Pozicija::Prirez: item.prirez = a; break;
    case Pozicija::Zdravstveno: item.zo = a; break;
    case Pozicija::Kriznica: item.kriznica = a; break;
    default: break;
    }
}

StoreCode readItem(Store& store, const Dohoci& doh, OrderItem& item, std::string& failedFile) {
    item = OrderItem{.doh = doh};
    StoreCode c = readOrBlank(store, doh.djelatnik, item.oso, failedFile);
    if (ok(c)) c = readOrBlank(store, item.oso.banka, item.ban, failedFile);
    if (ok(c)) c = readOrBlank(store, item.oso.mjesto, item.mje, failedFile);
    if (ok(c)) c = readOrBlank(store, item.oso.ulica, item.uli, failedFile);
    if (ok(c)) c = readOrBlank(store, item.mje.opcina, item.opc, failedFile);
    if (ok(c)) c = readOrBlank(store, doh.vrstadohotka, item.vrs, failedFile);
    std::vector<Obracun> lines;
    if (ok(c) && !ok(c = readLines(store, doh.oznaka, lines))) failedFile = std::string(Obracun::table.name);
    for (const Obracun& line : lines) takeLine(item, line);
    if (ok(c) && !ok(c = readPaymentMethod(store, doh.oznaka, item.method))) failedFile = std::string(Svasta::table.name);
    return c;
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

StoreCode OrderSequence::begin(Store& store, std::int32_t payment) {
    Subjekti sub;
    Mjesta mje;
    Ulice uli;
    Banke ban;
    StoreCode c = readOrBlank(store, payment, isp_, failedFile_);
    if (ok(c)) c = readOrBlank(store, isp_.isplatitelj, sub, failedFile_);
    if (ok(c)) c = readOrBlank(store, sub.mjesto, mje, failedFile_);
    if (ok(c)) c = readOrBlank(store, sub.ulica, uli, failedFile_);
    if (ok(c)) c = readOrBlank(store, sub.banka, ban, failedFile_);
    if (!ok(c)) return c;
    const std::string street = spaced(uli.naziv.view(), sub.kucnibroj.view());
    set(payer_, Field::Uplatitelj, sub.naziv.view());
    set(payer_, Field::Adresau, street);
    set(payer_, Field::Mjestou, mje.naziv.view());
    set(payer_, Field::Zirou, sub.rkont.str() + ban.vodecibroj.str() + sub.racun.str());
    set(payer_, Field::Nazivodrezak, payer_[Field::Uplatitelj] + ", " + payer_[Field::Mjestou] + ", " + payer_[Field::Adresau]);
    payer_.payer = {sub.naziv.str(), street, postalPlace(mje)};
    payer_.datum = isp_.datum;
    payerOib_ = sub.oib.str();
    return StoreCode::Ok;
}

StoreCode OrderSequence::addItem(Store& store, const Dohoci& doh) {
    OrderItem item;
    if (const StoreCode c = readItem(store, doh, item, failedFile_); !ok(c)) return c;
    addPayeeOrder(item);
    addTaxOrder(item);
    moi_ = plus(moi_, item.moi);
    moii_ = plus(moii_, item.moii);
    zo_ = plus(zo_, item.zo);
    return StoreCode::Ok;
}

void OrderSequence::finish() {
    addSumOrder(OrderKind::PillarI, moi_);
    addSumOrder(OrderKind::PillarII, moii_);
    addSumOrder(OrderKind::Health, zo_);
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

void OrderSequence::addPayeeOrder(const OrderItem& item) {
    const OrderRule& rule = orderRule(OrderKind::Payee, form_, item.vrs.rezstringa.view(), isp_.datum);
    PaymentOrder o = start(rule, minus(wide(item.doh.neto), item.kriznica));
    const std::string name = fullName(item.oso);
    const std::string street = spaced(item.uli.naziv.view(), item.oso.kucnibroj.view());
    setRecipient(o, {item.ban.naziv.str(), name, item.mje.naziv.str() + ", " + street});
    setAccount(o, item.oso.rkont.str() + item.ban.vodecibroj.str() + item.oso.racun.str());
    set(o, Field::Modelp, payeeModel(rule, item.oso));
    set(o, Field::Pozivp, item.oso.racunpoziv.view());
    set(o, Field::Opisplacanja, item.vrs.naziv.str() + " - " + name);
    o.recipient = {name, street, postalPlace(item.mje)};  // the person, not the bank the block starts with
    o.toAccount = paidToAccount(item.method);
    orders_.push_back(std::move(o));
}

void OrderSequence::addTaxOrder(const OrderItem& item) {
    if (item.porez.isZero()) return;
    const OrderRule& rule = orderRule(OrderKind::Tax, form_, item.vrs.rezstringa.view(), isp_.datum);
    PaymentOrder o = start(rule, plus(item.porez, item.prirez));
    setRecipient(o, {std::string(rule.lines[0]), std::string(rule.lines[1]), item.opc.naziv.str()});
    setAccount(o, item.opc.rkont.str() + std::string(treasuryBank) + item.opc.racunporez.str());
    set(o, Field::Opisplacanja, std::string(rule.description) + fullName(item.oso));
    orders_.push_back(std::move(o));
}

void OrderSequence::addSumOrder(OrderKind kind, OrderAmount sum) {
    if (sum.raw() > 0) orders_.push_back(start(orderRule(kind, form_, {}, isp_.datum), sum));
}

StoreCode paymentOrders(Store& store, std::int32_t payment, OrderForm form, std::vector<PaymentOrder>& out) {
    out.clear();
    OrderSequence seq(form);
    if (const StoreCode c = seq.begin(store, payment); !ok(c)) return c;
    const StoreCode c = forEachItem(store, payment, [&](const Dohoci& doh) { return seq.addItem(store, doh); });
    if (!ok(c)) return c;
    seq.finish();
    out = seq.orders();
    return StoreCode::Ok;
}

}  // namespace pramo
