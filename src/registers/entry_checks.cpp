#include "registers/entry_checks.h"

#include "registers/check_digits.h"

namespace pramo {

std::optional<Notice> oibNotice(std::string_view oib) {
    if (oib.empty() || validOib(oib)) return std::nullopt;
    return Notice{"Provjera OIB-a", "OIB mora imati 11 znamenki, od kojih je zadnja kontrolna (ISO 7064, MOD 11,10).\n"
                                    "Upisana vrijednost je zadržana."};
}

AccountCheck accountCheck(const Banke* bank, std::string_view racun) {
    if (racun.empty() || bank == nullptr) return {};
    if (!allDigits(bank->vodecibroj.view(), 7) || !allDigits(racun, 10)) {
        return {.rkont = std::nullopt,
                .notice = Notice{"Provjera računa", "Vodeći broj banke mora imati 7 znamenki, a broj računa 10 znamenki; "
                                                    "kontrolni broj IBAN-a nije izračunat.\nUpisana vrijednost je zadržana."}};
    }
    return {.rkont = hrIbanCheck(bank->vodecibroj.view(), racun), .notice = std::nullopt};
}

}  // namespace pramo
