#include "orders/order.h"

#include "records/values/number_format.h"
#include "records/values/text.h"
#include "registers/check_digits.h"

namespace pramo {
namespace {

struct FieldDef {
    Field field;
    std::string_view name;
    std::size_t hub3;   // width in characters on HUB-3
    std::size_t hub3a;  // on HUB-3A
};

constexpr FieldDef fieldDefs[fieldCount] = {
    {Field::Iznos, "IZNOS", 20, 20},
    {Field::Uplatitelj, "UPLATITELJ", 20, 30},
    {Field::Adresau, "ADRESAU", 20, 20},
    {Field::Mjestou, "MJESTOU", 20, 20},
    {Field::Zirou, "ZIROU", 21, 21},
    {Field::Modelu, "MODELU", 4, 4},
    {Field::Pozivu, "POZIVU", 50, 50},
    {Field::Primatelj, "PRIMATELJ", 30, 30},
    {Field::Adresap, "ADRESAP", 30, 30},
    {Field::Mjestop, "MJESTOP", 30, 34},
    {Field::Zirop, "ZIROP", 21, 21},
    {Field::Modelp, "MODELP", 4, 4},
    {Field::Pozivp, "POZIVP", 150, 150},
    {Field::Opisplacanja, "OPISPLACANJA", 150, 150},
    {Field::Nazivodrezak, "NAZIVODREZAK", 150, 150},
};

constexpr std::size_t amountChars = 10;

}  // namespace

std::string_view fieldName(Field field) { return fieldDefs[static_cast<std::size_t>(field)].name; }

std::size_t fieldWidth(Field field, OrderForm form) {
    const FieldDef& d = fieldDefs[static_cast<std::size_t>(field)];
    return form == OrderForm::Hub3 ? d.hub3 : d.hub3a;
}

bool wholeHrIban(std::string_view iban) {
    return iban.size() == 21 && iban.starts_with("HR") && allDigits(iban.substr(2)) &&
           hrIbanCheck(iban.substr(4, 7), iban.substr(11)) == iban.substr(0, 4);
}

std::string cutText(std::string_view text, std::size_t width) {
    return std::string(utf8::trimRight(utf8::prefix(utf8::trimRight(text), width)));
}

std::string orderAmountText(OrderAmount amount) {
    const std::string text = printAmount(amount);
    if (text.size() >= amountChars) return text;
    return std::string(amountChars - text.size(), '*') + text;
}

}  // namespace pramo
