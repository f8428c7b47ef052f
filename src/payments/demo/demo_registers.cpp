// The registers of the example office.

#include <map>
#include <string>

#include "payments/demo/demo_office.h"
#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/key_walk.h"
#include "registers/check_digits.h"

namespace pramo::demo {
namespace {

struct Place {
    const char* naziv;
    const char* postbroj;
    const char* opcina;  // the municipality's official code
};

// Places 1 to 12, in this order.
const Place places[] = {
    {"Zagreb", "10000", "1333"},        {"Split", "21000", "4090"},   {"Rijeka", "51000", "3735"},
    {"Osijek", "31000", "3123"},        {"Zadar", "23000", "5207"},   {"Pula", "52100", "3590"},
    {"Varaždin", "42000", "4723"},      {"Karlovac", "47000", "1791"}, {"Dubrovnik", "20000", "0981"},
    {"Velika Gorica", "10410", "5410"}, {"Samobor", "10430", "3808"}, {"Sesvete", "10360", "1333"},
};

// Streets 1 to 12.
const char* const streets[] = {"Ilica",         "Vukovarska",     "Savska cesta", "Marmontova",
                               "Korzo",         "Strossmayerova", "Široka ulica", "Flanatička",
                               "Kapucinski trg", "Radićeva",      "Stradun",      "Zagrebačka"};

struct Bank {
    const char* naziv;
    const char* vodecibroj;
};

const Bank banks[] = {{"Zagrebačka banka d.d.", "2360000"},
                      {"Privredna banka Zagreb d.d.", "2340009"},
                      {"Erste&Steiermärkische Bank d.d.", "2402006"}};

struct Payee {
    const char* ime;
    const char* prezime;
    int mjesto;             // place 1 to 12
    int ulica;              // street 1 to 12
    const char* kucnibroj;
    int banka;              // 0: paid in cash
    bool drugiStup;         // insured in pension pillar II
    const char* radnaOpcina = "";  // code of the municipality the payee works in, when another one
};

// Payees 1 to 25; the last has no OIB and is paid nothing.
const Payee payees[] = {
    {"Ivan", "Horvat", 1, 1, "12", 1, true},
    {"Ana", "Kovačević", 2, 4, "3", 2, false, "1333"},
    {"Marko", "Babić", 3, 5, "21", 1, true},
    {"Petra", "Marić", 4, 6, "7", 3, true},
    {"Tomislav", "Jurić", 5, 7, "14", 2, true},
    {"Maja", "Novak", 1, 3, "88", 1, false},
    {"Luka", "Knežević", 6, 8, "2", 3, true},
    {"Ivana", "Vuković", 7, 9, "5", 2, true},
    {"Josip", "Marković", 8, 10, "31", 1, false},
    {"Martina", "Petrović", 9, 11, "9", 3, true},
    {"Stjepan", "Matić", 10, 12, "45", 1, true, "1333"},
    {"Lucija", "Tomić", 11, 12, "17", 2, true},
    {"Dražen", "Pavlović", 12, 1, "230", 1, true},
    {"Željka", "Kovač", 1, 2, "66", 3, true},
    {"Nikola", "Božić", 2, 4, "11", 0, true},
    {"Katarina", "Blažević", 3, 5, "4", 1, false},
    {"Đuro", "Grgić", 4, 6, "19", 2, true},
    {"Snježana", "Pavić", 5, 7, "8", 3, true},
    {"Krešimir", "Radić", 1, 3, "102", 1, true},
    {"Mirjana", "Perić", 6, 8, "6", 2, true, "3735"},
    {"Zvonimir", "Šarić", 7, 9, "13", 1, true},
    {"Višnja", "Lovrić", 8, 10, "27", 3, false},
    {"Goran", "Vidović", 9, 11, "1", 0, true},
    {"Ljiljana", "Perković", 11, 12, "52", 2, true},
    {"Đurđa", "Šimić", 1, 1, "40", 1, true},
};
constexpr std::size_t withoutOib = 24;  // Đurđa Šimić: known by her JMBG only

// A valid OIB made from ten digits.
std::string oibOf(const std::string& ten) { return ten + static_cast<char>('0' + mod11_10(ten)); }

// Ten digits that differ per record: `series` and the record's number.
std::string digits(int series, int n) {
    std::string s = std::to_string(series * 100000 + n * 7919 + 12345);
    return std::string(10 - s.size(), '1') + s;
}

StoreCode municipalities(Store& store, std::map<std::string, std::int32_t>& byCode) {
    return walkAll<Opcine>(store, Opcine::keyOznaka, [&byCode](const Opcine& opc) { byCode[opc.shifra.str()] = opc.oznaka; });
}

StoreCode addPlaces(Store& store) {
    std::map<std::string, std::int32_t> byCode;
    if (const StoreCode c = municipalities(store, byCode); !ok(c)) return c;
    std::vector<Mjesta> out;
    for (const Place& p : places)
        out.push_back({.oznaka = static_cast<std::int32_t>(out.size() + 1), .naziv = p.naziv, .opcina = byCode[p.opcina],
                       .postbroj = p.postbroj});
    return addAll(store, out);
}

StoreCode addStreetsAndBanks(Store& store) {
    std::vector<Ulice> ulice;
    for (const char* s : streets) ulice.push_back({.oznaka = static_cast<std::int32_t>(ulice.size() + 1), .naziv = s});
    std::vector<Banke> banke;
    for (const Bank& b : banks)
        banke.push_back({.oznaka = static_cast<std::uint16_t>(banke.size() + 1), .naziv = b.naziv, .vodecibroj = b.vodecibroj});
    const StoreCode c = addAll(store, ulice);
    return ok(c) ? addAll(store, banke) : c;
}

StoreCode addPayers(Store& store) {
    const std::string racun1 = "1100234567", racun2 = "3200456781";
    return addAll(store, std::vector<Subjekti>{
        {.oznaka = 1, .tip = "P", .naziv = "Nakladnik Riječ d.o.o.", .poreznibroj = "01234568",
         .oib = oibOf("8462519370"), .mjesto = 1, .ulica = 2, .kucnibroj = "58", .banka = 1,
         .rkont = hrIbanCheck(banks[0].vodecibroj, racun1), .racun = racun1, .telefon = "01 4567 890",
         .email = "racunovodstvo@rijec.hr"},
        {.oznaka = 2, .tip = "F", .naziv = "Stolarski obrt Barić, vl. Ante Barić", .poreznibroj = "1505970330014",
         .oib = oibOf("3719046285"), .mjesto = 2, .ulica = 4, .kucnibroj = "20", .banka = 2,
         .rkont = hrIbanCheck(banks[1].vodecibroj, racun2), .racun = racun2, .telefon = "021 345 678",
         .email = "obrt.baric@gmail.com"}});
}

Osobe payeeOf(std::size_t i) {
    const Payee& p = payees[i];
    const auto n = static_cast<std::int32_t>(i + 1);
    Osobe oso{.oznaka = n, .ime = p.ime, .prezime = p.prezime, .mjesto = p.mjesto, .ulica = p.ulica,
              .kucnibroj = p.kucnibroj, .banka = static_cast<std::uint16_t>(p.banka),
              .drugistup = p.drugiStup ? "DA" : "NE", .faktorodbitka = Rate::fromRaw(100)};
    if (i == withoutOib) oso.jmbg = "0101990335008";
    else oso.oib = oibOf(digits(5, n));
    if (p.banka != 0) {
        oso.racun = digits(3, n);
        oso.rkont = hrIbanCheck(banks[p.banka - 1].vodecibroj, oso.racun.view());
    }
    oso.fax = *p.radnaOpcina ? "DA" : "NE";
    oso.email = p.radnaOpcina;
    return oso;
}

StoreCode addPayees(Store& store, int& count) {
    std::vector<Osobe> out;
    for (std::size_t i = 0; i < std::size(payees); ++i) out.push_back(payeeOf(i));
    count = static_cast<int>(out.size());
    return addAll(store, out);
}

// An income type of the rules of 2015 and 2016 at a single rate (tax 25 %, pension 15 % and 5 %,
// health 15 %), for the payment the office made in 2016; otherwise like `today`'s type.
Vrstedoh of2015(Vrstedoh vrs, std::uint8_t oznaka, const char* naziv, const char* receipt, int expenses) {
    vrs.row = {};
    vrs.oznaka = oznaka;
    vrs.naziv = naziv;
    vrs.rezstringb = receipt;
    vrs.poreznastopa = Rate::whole(25);
    vrs.priznatitroskovi = Rate::whole(expenses);
    vrs.mirovinskoistup = Rate::whole(15);
    vrs.mirovinskoiistup = Rate::whole(5);
    vrs.zdravstvenoosiguranje = Rate::whole(15);
    vrs.porezopcine = "NE";
    return vrs;
}

// Beside today's types (the starter set delivered with the program, loaded before), those of
// 2015 and 2016, made from the first of today's.
StoreCode addIncomeTypes(Store& store) {
    Vrstedoh today{.oznaka = 1};
    if (const StoreCode c = store.get(Vrstedoh::keyOznaka, today); !ok(c)) return c;
    return addAll(store, std::vector<Vrstedoh>{of2015(today, 7, "Ugovor o djelu (2015.-2016.)", "4030", 0),
                                               of2015(today, 8, "Autorski honorar (2015.-2016.)", "4001", 30)});
}

}  // namespace

StoreCode addRegisters(Store& store, int& payeeCount) {
    for (auto step : {addPlaces, addStreetsAndBanks, addPayers, addIncomeTypes})
        if (const StoreCode c = step(store); !ok(c)) return c;
    return addPayees(store, payeeCount);
}

}  // namespace pramo::demo
