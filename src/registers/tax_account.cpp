#include "registers/tax_account.h"

#include <string>

#include "records/values/text.h"
#include "registers/check_digits.h"

namespace pramo {

bool abroadCode(std::string_view shifra) {
    const std::string_view code = utf8::trimRight(shifra);
    return code.size() == 5 && code.starts_with("99") && allDigits(code);
}

std::string registerCode(std::string_view typed) {
    const std::string_view code = utf8::trimRight(typed);
    if (code.size() == 5 && code.starts_with('0') && allDigits(code)) return std::string(code.substr(1));
    return std::string(code);
}

std::string joppdCode(std::string_view shifra) {
    const std::string_view code = utf8::trimRight(shifra);
    return code.size() == 5 ? std::string(code) : "0" + std::string(code);
}

void kontrola(Opcine& opc) {
    if (abroadCode(opc.shifra.view())) {
        opc.racunporez = "";
        opc.rkont = "";
        return;
    }
    std::string account = "17" + std::string(opc.shifra.view().substr(0, 3)) + "1200";
    account += static_cast<char>('0' + mod11_10(account));
    opc.racunporez = account;
    opc.rkont = hrIbanCheck(treasuryBankCode, account);
}

namespace {

// Blank or not made of digits; trailing blanks do not count.
CodeCheck checkDigits(std::string_view code) {
    if (code.empty()) return CodeCheck::Blank;
    if (!allDigits(code)) return CodeCheck::NotNumeric;
    return CodeCheck::Accepted;
}

}  // namespace

CodeCheck checkCode(std::string_view shifra) {
    const std::string_view code = utf8::trimRight(shifra);
    const CodeCheck digits = checkDigits(code);
    if (digits != CodeCheck::Accepted) return digits;
    if (code.size() == 5) return abroadCode(code) ? CodeCheck::Accepted : CodeCheck::FiveDigits;
    return code.size() < 3 ? CodeCheck::TooShort : CodeCheck::Accepted;
}

CodeCheck checkCodeFromSelection(std::string_view shifra) {
    const std::string_view code = utf8::trimRight(shifra);
    const CodeCheck digits = checkDigits(code);
    if (digits != CodeCheck::Accepted) return digits;
    if (code.size() == 5) return abroadCode(code) ? CodeCheck::Accepted : CodeCheck::FiveDigits;
    return std::stoi(std::string(code)) <= 99 ? CodeCheck::TooShort : CodeCheck::Accepted;
}

std::string_view codeMessage(CodeCheck check) {
    switch (check) {
    case CodeCheck::Blank: return "Unesi šifru općine/grada";
    case CodeCheck::NotNumeric: return "Unesi brojčanu šifru";
    case CodeCheck::TooShort: return "Unesi četveroznamenkastu shifru grada ili barem prve tri znamenke";
    case CodeCheck::FiveDigits: return "Peteroznamenkasta šifra je šifra države u inozemstvu i počinje s 99";
    case CodeCheck::Accepted: break;
    }
    return {};
}

}  // namespace pramo
