#include "records/layouts/stopeopcina.h"

namespace pramo {

const KeyDef Stopeopcina::keyOznaka{.name = "STO:KEYOZNAKA", .display = "STO:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Stopeopcina::keyOpcinaDatum{.name = "STO:KEYOPCINADATUM", .display = "STO:KeyOpcinaDatum",
                                         .parts = {{"OPCINA"}, {"VRIJEDIOD"}}, .unique = true};

const TableDef Stopeopcina::table = declareTable<Stopeopcina>(
    "STOPEOPCINA", "STO",
    {field<&Stopeopcina::oznaka>("OZNAKA"), field<&Stopeopcina::opcina>("OPCINA"),
     field<&Stopeopcina::vrijediod>("VRIJEDIOD"), field<&Stopeopcina::nizastopa>("NIZASTOPA"),
     field<&Stopeopcina::visastopa>("VISASTOPA")},
    {&keyOznaka, &keyOpcinaDatum});

Date municipalRatesFrom() { return *Date::fromYmd(2024, 1, 1); }

}  // namespace pramo
