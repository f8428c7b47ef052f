#pragma once
// The payment orders of one payment, in print order: per income item (in key order) the payee's
// order and, when the item's tax is not zero, the tax order; then one order each for pension
// pillar I, pillar II and health whose sum over the payment is above zero. Amounts come from the
// stored calculation lines. A related record that is missing (bank, place, street, municipality,
// income type) leaves its fields blank; orders are refused when the payment's payer or an item's
// payee is missing, or a sum does not fit an order's amount; a failing read ends the sequence.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "orders/order.h"
#include "payments/item_context.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/store/store.h"

namespace pramo {

struct ItemLines;
struct OrderRule;

class OrderSequence {
public:
    OrderSequence(Store& store, OrderForm form);

    // Reads the payment and its payer, place, street and bank.
    StoreCode begin(std::int32_t payment);
    // Adds the orders of one income item of the payment.
    StoreCode addItem(const Dohoci& doh);
    // Adds the contribution orders; the sequence is complete afterwards.
    void finish();

    const std::vector<PaymentOrder>& orders() const { return orders_; }
    // The file whose read failed, after a call answered an error.
    const std::string& failedFile() const { return failedFile_; }
    // Why the orders cannot be printed (empty while they can), after a call answered NotFound or
    // after finish().
    const std::string& refusal() const { return refusal_; }

private:
    PaymentOrder start(const OrderRule& rule, OrderAmount amount) const;
    void addPayeeOrder(const ItemContext& item, const ItemLines& lines);
    void addTaxOrder(const ItemContext& item, const ItemLines& lines);
    void addSumOrder(OrderKind kind, const Total& sum);
    void set(PaymentOrder& o, Field f, std::string_view text) const;
    void setRecipient(PaymentOrder& o, const std::array<std::string, 3>& lines) const;
    void setAccount(PaymentOrder& o, const std::string& iban) const;
    std::string publicReference(std::string_view prefix) const;
    StoreCode failed(const TableDef& file);
    StoreCode refuse(std::string why);

    OrderForm form_;
    ItemReader reader_;
    Isplate isp_;
    bool hasPayer_ = false;
    PaymentOrder payer_;  // the payer's fields, shared by every order
    std::string payerOib_;
    Total moi_, moii_, zo_;
    Flags flags_;
    std::vector<PaymentOrder> orders_;
    std::string failedFile_;
    std::string refusal_;
};

// Every order of a payment in print order (the same sequence the reports print).
StoreCode paymentOrders(Store& store, std::int32_t payment, OrderForm form, std::vector<PaymentOrder>& out);

}  // namespace pramo
