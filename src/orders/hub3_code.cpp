#include "orders/hub3_code.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "records/values/currency.h"
#include "records/values/text.h"

namespace pramo {
namespace {

// What a field of the code may hold.
enum class CodeChars {
    Text,          // any character of ISO 8859-2 but the line feed (the separator) and other controls
    Digits,        // 0-9
    Letters,       // A-Z
    Alphanumeric,  // A-Z and 0-9, no blanks
    Reference,     // 0-9 and the hyphen between the reference's parts
};

struct CodeField {
    std::string_view name;
    std::size_t length;
    bool fixed;  // exactly `length` characters; the others hold at most `length`
    CodeChars chars;
};

// The fields of the HUB-3 2D code in their order, with their lengths and characters, after the
// Croatian banking association's "Format zapisa PDF417 2D bar-koda prema HUB3 standardu"
// (Hrvatska udruga banaka, HUB3 standard, version 5, October 2012). Every field, the last one
// too, ends with a line feed (0x0A); the content is encoded in ISO 8859-2; the symbol is a PDF417
// with error correction level 4 and 9 data columns, at most 58 mm wide and 26 mm high.
constexpr std::array<CodeField, 14> codeFields{{
    {"zaglavlje", 8, true, CodeChars::Alphanumeric},   // "HRVHUB30"
    {"valuta", 3, true, CodeChars::Letters},           // ISO 4217: HRK, EUR
    {"iznos", 15, true, CodeChars::Digits},            // in cents, leading zeros
    {"platitelj", 30, false, CodeChars::Text},         // payer's name
    {"adresa platitelja", 27, false, CodeChars::Text}, // street and number
    {"mjesto platitelja", 27, false, CodeChars::Text}, // postal code and place
    {"primatelj", 25, false, CodeChars::Text},
    {"adresa primatelja", 25, false, CodeChars::Text},
    {"mjesto primatelja", 27, false, CodeChars::Text},
    {"IBAN primatelja", 21, false, CodeChars::Alphanumeric},
    {"model", 4, true, CodeChars::Alphanumeric},       // "HR" and two digits
    {"poziv na broj", 22, false, CodeChars::Reference},
    {"šifra namjene", 4, true, CodeChars::Letters},    // ISO 20022 purpose code
    {"opis plaćanja", 35, false, CodeChars::Text},
}};

constexpr std::string_view header = "HRVHUB30";

// The upper half (0xA0 to 0xFF) of ISO 8859-2 as Unicode; the lower half is ASCII.
constexpr std::array<char16_t, 96> latin2High{
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD,
    0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165,
    0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9,
    0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A,
    0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

bool allowed(char32_t c, CodeChars chars) {
    const bool digit = c >= U'0' && c <= U'9', letter = c >= U'A' && c <= U'Z';
    switch (chars) {
    case CodeChars::Text: return c >= 0x20 && c != 0x7F;
    case CodeChars::Digits: return digit;
    case CodeChars::Letters: return letter;
    case CodeChars::Alphanumeric: return digit || letter;
    case CodeChars::Reference: return digit || c == U'-';
    }
    return false;
}

// The value with the characters its field may not hold taken out (a control in a text becomes a
// blank), cut to the field's length.
std::string fitted(const std::string& value, const CodeField& field) {
    QString out;
    for (const QChar ch : QString::fromStdString(value)) {
        const char32_t c = ch.unicode();
        if (allowed(c, field.chars)) out += ch;
        else if (field.chars == CodeChars::Text) out += QLatin1Char(' ');
    }
    return cutText(out.toStdString(), field.length);
}

bool validModel(std::string_view m) {
    return m.size() == 4 && m.starts_with("HR") && std::isdigit(static_cast<unsigned char>(m[2])) &&
           std::isdigit(static_cast<unsigned char>(m[3]));
}

std::string currencyOf(Date datum) { return std::string(currencyOn(datum).code); }

std::string cents(OrderAmount amount) {
    const std::string digits = std::to_string(amount.raw());
    return std::string(15 - std::min<std::size_t>(15, digits.size()), '0') + digits;
}

}  // namespace

std::optional<std::string> hub3Content(const PaymentOrder& o) {
    if (o.amount.raw() < 0 || !wholeHrIban(o[Field::Zirop])) return std::nullopt;
    // An order without a valid model goes as "HR99", the model of a payment without a reference:
    // the reference is left out with it, as HR99 carries none.
    const bool model = validModel(o[Field::Modelp]);
    const std::array<std::string, 14> values{
        std::string(header), currencyOf(o.datum), cents(o.amount), o.payer.name, o.payer.street, o.payer.place,
        o.recipient.name, o.recipient.street, o.recipient.place, o[Field::Zirop], model ? o[Field::Modelp] : "HR99",
        model ? o[Field::Pozivp] : "", o.purpose, o[Field::Opisplacanja]};
    std::string content;
    for (std::size_t i = 0; i < values.size(); ++i) content += fitted(values[i], codeFields[i]) + "\n";
    return content;
}

std::string latin2FromUtf8(std::string_view utf8) {
    std::string out;
    for (const QChar ch : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))) {
        const char16_t c = ch.unicode();
        if (c < 0xA0) { out += c < 0x80 ? static_cast<char>(c) : '?'; continue; }
        const auto at = std::find(latin2High.begin(), latin2High.end(), c);
        out += at == latin2High.end() ? '?' : static_cast<char>(0xA0 + (at - latin2High.begin()));
    }
    return out;
}

std::string utf8FromLatin2(std::string_view latin2) {
    QString out;
    for (const char b : latin2) {
        const auto u = static_cast<unsigned char>(b);
        out += u < 0xA0 ? QChar(u) : QChar(latin2High[u - 0xA0]);
    }
    return out.toStdString();
}

}  // namespace pramo
