#include "registers/check_digits.h"

#include <algorithm>

namespace pramo {

bool allDigits(std::string_view text, std::size_t count) {
    if (text.empty() || (count != 0 && text.size() != count)) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int mod11_10(std::string_view digits) {
    int remainder = 10;
    for (char c : digits) {
        int sum = (remainder + (c - '0')) % 10;
        if (sum == 0) sum = 10;
        remainder = (sum * 2) % 11;
    }
    const int check = 11 - remainder;
    return check == 10 ? 0 : check;
}

bool validOib(std::string_view oib) {
    return allDigits(oib, 11) && mod11_10(oib.substr(0, 10)) == oib[10] - '0';
}

std::string hrIbanCheck(std::string_view bankCode, std::string_view account) {
    // The remainder of the whole number, taken digit by digit: the number has 23 digits and does
    // not fit a machine word, but its remainder by 97 is the same.
    int remainder = 0;
    for (std::string_view part : {bankCode, account, std::string_view("172700")}) {
        for (char c : part) remainder = (remainder * 10 + (c - '0')) % 97;
    }
    const int check = 98 - remainder;
    std::string out = "HR";
    out += static_cast<char>('0' + check / 10);
    out += static_cast<char>('0' + check % 10);
    return out;
}

}  // namespace pramo
