#pragma once
// The payment orders of one payment, in print order: per income item (in key order) the payee's
// order and, when the item's tax is not zero, the tax order; then one order each for pension
// pillar I, pillar II and health whose sum over the payment is above zero. Amounts come from the
// stored calculation lines. A related record that is missing (payer, bank, place, street,
// municipality, income type) leaves its fields blank; only a failing read ends the sequence.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "orders/order.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/store/store.h"

namespace pramo {

struct OrderItem;
struct OrderRule;

class OrderSequence {
public:
    explicit OrderSequence(OrderForm form) : form_(form) {}

    // Reads the payment and its payer, place, street and bank.
    StoreCode begin(Store& store, std::int32_t payment);
    // Adds the orders of one income item of the payment.
    StoreCode addItem(Store& store, const Dohoci& doh);
    // Adds the contribution orders; the sequence is complete afterwards.
    void finish();

    const std::vector<PaymentOrder>& orders() const { return orders_; }
    // The file whose read failed, after a call answered an error.
    const std::string& failedFile() const { return failedFile_; }

private:
    PaymentOrder start(const OrderRule& rule, OrderAmount amount) const;
    void addPayeeOrder(const OrderItem& item);
    void addTaxOrder(const OrderItem& item);
    void addSumOrder(OrderKind kind, OrderAmount sum);
    void set(PaymentOrder& o, Field f, std::string_view text) const;
    void setRecipient(PaymentOrder& o, const std::array<std::string, 3>& lines) const;
    void setAccount(PaymentOrder& o, const std::string& iban) const;
    std::string publicReference(std::string_view prefix) const;

    OrderForm form_;
    Isplate isp_;
    PaymentOrder payer_;  // the payer's fields, shared by every order
    std::string payerOib_;
    OrderAmount moi_, moii_, zo_;
    std::vector<PaymentOrder> orders_;
    std::string failedFile_;
};

// Every order of a payment in print order (the same sequence the reports print).
StoreCode paymentOrders(Store& store, std::int32_t payment, OrderForm form, std::vector<PaymentOrder>& out);

}  // namespace pramo
