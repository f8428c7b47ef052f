#include "orders/order_rules.h"

#include <vector>

namespace pramo {
namespace {

constexpr auto Hub3 = OrderForm::Hub3;
constexpr auto Hub3a = OrderForm::Hub3a;

// The health insurance fund took the health contributions over from the state budget on
// 1 January 2015; from then on they go to the fund's account.
Date healthFundFrom() { return *Date::fromYmd(2015, 1, 1); }

// The surtax was abolished on 1 January 2024: from then on a tax order pays the income tax alone.
Date surtaxAbolished() { return *Date::fromYmd(2024, 1, 1); }

constexpr std::string_view budget = "HR1210010051863000160";       // state budget
constexpr std::string_view pillarII = "HR7610010051700036001";     // pension pillar II
constexpr std::string_view healthFund = "HR6510010051550100001";   // health insurance fund
constexpr std::array<std::string_view, 3> healthLines{"DRŽAVNI PRORAČUN", "Doprinos za zdravstveno", "osiguranje"};

// In order of precedence: the first row that fits an order is its rule. Payee orders pay to the
// payee's own account with the payee's own model and reference; on HUB-3A the payer side names
// the income's JOPPD category. Tax orders pay each payee's tax and surtax to the payee's
// municipality (from 2024 the tax alone: the surtax is gone); the contributions go once per payment
// to the public accounts.
std::vector<OrderRule> makeRules() {
    return {
        {.kind = OrderKind::Payee, .form = Hub3a, .category = "01", .recipient = RecipientFrom::Payee,
         .missingModel = MissingModel::Hr, .purpose = "OTHR", .payerModel = "HR67", .payerSuffix = "-15"},
        {.kind = OrderKind::Payee, .form = Hub3a, .category = "02", .recipient = RecipientFrom::Payee,
         .missingModel = MissingModel::Hr, .purpose = "OTHR", .payerModel = "HR67", .payerSuffix = "-8"},
        {.kind = OrderKind::Payee, .form = Hub3a, .category = "11", .recipient = RecipientFrom::Payee,
         .missingModel = MissingModel::Hr, .purpose = "OTHR", .payerModel = "HR67", .payerSuffix = "-12"},
        {.kind = OrderKind::Payee, .form = Hub3a, .recipient = RecipientFrom::Payee, .missingModel = MissingModel::Hr,
         .purpose = "OTHR"},
        {.kind = OrderKind::Payee, .form = Hub3, .recipient = RecipientFrom::Payee, .purpose = "OTHR"},
        {.kind = OrderKind::Tax, .category = "11", .from = surtaxAbolished(), .recipient = RecipientFrom::Municipality,
         .lines = {"Porez", "na dohodak"}, .model = "HR68", .reference = "1910-",
         .description = "Uplata poreza na dohodak - ", .purpose = "TAXS"},
        {.kind = OrderKind::Tax, .from = surtaxAbolished(), .recipient = RecipientFrom::Municipality,
         .lines = {"Porez", "na dohodak"}, .model = "HR68", .reference = "1945-",
         .description = "Uplata poreza na dohodak - ", .purpose = "TAXS"},
        {.kind = OrderKind::Tax, .category = "11", .recipient = RecipientFrom::Municipality,
         .lines = {"Porez i prirez", "na dohodak"}, .model = "HR68", .reference = "1910-",
         .description = "Uplata poreza i prireza na dohodak - ", .purpose = "TAXS"},
        {.kind = OrderKind::Tax, .recipient = RecipientFrom::Municipality, .lines = {"Porez i prirez", "na dohodak"},
         .model = "HR68", .reference = "1945-", .description = "Uplata poreza i prireza na dohodak - ", .purpose = "TAXS"},
        {.kind = OrderKind::PillarI, .lines = {"DRŽAVNI PRORAČUN", "MO I.stup"}, .iban = budget, .model = "HR68",
         .reference = "8176-", .description = "Mirovinsko osiguranje - I.stup", .purpose = "TAXS"},
        {.kind = OrderKind::PillarII, .lines = {"DRŽAVNI PRORAČUN", "MO II.stup"}, .iban = pillarII, .model = "HR68",
         .reference = "2291-", .description = "Mirovinsko osiguranje - II.stup", .purpose = "TAXS"},
        {.kind = OrderKind::Health, .form = Hub3a, .lines = healthLines, .iban = healthFund, .model = "HR68",
         .reference = "8540-", .description = "Zdravstveno osiguranje", .purpose = "TAXS"},
        {.kind = OrderKind::Health, .form = Hub3, .from = healthFundFrom(), .lines = healthLines, .iban = healthFund,
         .model = "HR68", .reference = "8540-", .description = "Zdravstveno osiguranje", .purpose = "TAXS"},
        {.kind = OrderKind::Health, .form = Hub3, .lines = healthLines, .iban = budget, .model = "HR68",
         .reference = "8540-", .description = "Zdravstveno osiguranje", .purpose = "TAXS"},
    };
}

bool fits(const OrderRule& r, OrderKind kind, OrderForm form, std::string_view category, Date datum) {
    return r.kind == kind && (!r.form || *r.form == form) && (r.category.empty() || r.category == category) &&
           (!r.from || datum.isNull() || datum >= *r.from);
}

}  // namespace

const OrderRule& orderRule(OrderKind kind, OrderForm form, std::string_view category, Date datum) {
    static const std::vector<OrderRule> rules = makeRules();
    for (const OrderRule& r : rules) {
        if (fits(r, kind, form, category, datum)) return r;
    }
    // Each kind ends with a row that fits every order of its kind (tested for every kind and form),
    // so the loop has returned; the library never ends the program.
    return rules.back();
}

}  // namespace pramo
